#include "rules/computer_turn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/player_input.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Cards;
using test::Dump;
using test::Layout;
using test::Names;
using test::Split;

const std::string Down = "Sound /prog/Card_down.wav";

// The computer's turn on a fixed table, from the human's hand-over to the computer's.
struct CpuTurn {
    CpuTurn(Layout layout, bool debug) {
        layout.player = Split("oct_1 oct_0");
        if (layout.pile.empty())
            layout.pile = Split("sep_1");
        layout.turnSide = ComputerSide;
        test::PrepareSession(s, host, 1);
        s.options.DebugMode = debug;
        test::SetUpTable(s, layout);
        // Left over from the human's turn: a marker and clickable cards.
        s.view.picHandShape[1] = true;
        Table table = TableOf(s);
        EnablePlayerHand(table);
        host.Clear();
        NextTurn(s);
        EXPECT_TRUE(IsConsistent(s.game));
        EXPECT_EQ(s.game.TurnSide, HumanSide);
        EXPECT_TRUE(s.game.PlayerMayAct);
        EXPECT_EQ(host.Count("Play 2") + host.Count("Draw 2"), 2);
    }
    test::ScriptedHost host;
    Session s{host};
};

TEST(ComputerTurn, TheLightPairOutscoresTheRibbonPairAndIsRevealedDuringThePause) {
    for (bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        const CpuTurn t({.cpu = Split("jan_20 feb_0"), .desk = Split("jan_1 feb_5")}, debug);
        Names calls = {"Pause 1", "Play 2 jan_20.bmp jan_1.bmp", Down, "Pause 1",
                       Down,      "Draw 2 sep_1.bmp -"};
        if (debug)
            calls.insert(calls.begin(), "Dump");
        EXPECT_EQ(t.host.Calls, calls);
        if (debug) {
            EXPECT_EQ(t.host.Dumps.at(0),
                      Dump("hand=jan_20.bmp desk=jan_1.bmp score= 33 ( 0, 13, 0)\n"
                           "hand=feb_0.bmp desk=feb_5.bmp score= 5 ( 0, 0, 0)"));
        }

        // The pause shows the chosen pair marked, the hand card face up, nothing clickable.
        const test::Snapshot& pause = t.host.At("Pause");
        EXPECT_TRUE(pause.view.picCompShape[1] && pause.view.picShape[1]);
        EXPECT_EQ(test::CountTrue(pause.view.picShape) + test::CountTrue(pause.view.picHandShape),
                  1);
        EXPECT_EQ(test::CountPlaces(pause.view.picHand, &CardPlace::Enabled), 0);
        EXPECT_EQ(pause.view.picComp[1].Picture, "jan_20.bmp");
        EXPECT_EQ(pause.view.picComp[2].Picture, debug ? "feb_0.bmp" : "back.bmp");

        const test::Snapshot& after = t.host.At("Play 2");
        EXPECT_EQ(test::All(after.game.CapturedPiles[2][1]), Split("jan_20 - jan_1 -"));
        EXPECT_EQ(after.view.lblCPU, " 20");
        EXPECT_FALSE(test::AnyMarker(after.view));
        EXPECT_EQ(after.view.picComp[1].Picture, debug ? "feb_0.bmp" : "back.bmp");
        EXPECT_FALSE(after.view.picComp[2].Visible);
    }
}

TEST(ComputerTurn, ChoosesByScoreAndTheDiscardRules) {
    struct Case {
        const char *cpu, *desk, *humanGrid, *cpuGrid, *play;
        const char* chosen;  // the debug message of a discard, "" for a capture
        std::size_t dumps;   // every capture and every rule-3 evaluation is dumped
        const char* dump;    // its filled lines, when checked
    };
    const Case cases[] = {
        // Only the hand card earns a bonus.
        {"mar_0 jun_5", "mar_20 jun_10", "", "", "jun_5.bmp jun_10.bmp", "", 1,
         "hand=mar_0.bmp desk=mar_20.bmp score= 20 ( 0, 0, 0)\n"
         "hand=jun_5.bmp desk=jun_10.bmp score= 23 ( 0, 8, 0)"},
        // Of two desk cards the more valuable, of equal ones the lower slot.
        {"apr_0", "apr_10 apr_1", "", "", "apr_0.bmp apr_10.bmp", "", 1, ""},
        {"apr_10", "apr_1 apr_0", "", "", "apr_10.bmp apr_1.bmp", "", 1, ""},
        {"apr_10", "apr_0 apr_1", "", "", "apr_10.bmp apr_0.bmp", "", 1, ""},
        // Of equal scores the first candidate.
        {"jul_1 aug_0", "jul_0 aug_1", "", "", "jul_1.bmp jul_0.bmp", "", 1, ""},
        // Rule 1: the first card of the first whole month.
        {"jan_0 apr_10 apr_5 apr_1 apr_0", "feb_10", "", "", "apr_10.bmp -", "nChosen= 2", 0, ""},
        {"feb_10 feb_5 feb_1 feb_0 apr_10 apr_5 apr_1 apr_0", "mar_5", "", "", "feb_10.bmp -",
         "nChosen= 1", 0, ""},
        // Rule 2: a pair whose other two are captured; of several months the last.
        {"may_10 may_0", "feb_10", "may_5 may_1", "", "may_10.bmp -", "nChosen= 1", 0, ""},
        {"may_10 may_0 nov_20 nov_0", "feb_10", "may_5 may_1", "nov_10 nov_1", "nov_20.bmp -",
         "nChosen= 3", 0, ""},
        // One captured card on each side is no closed pair: rule 3, with the block bonus.
        {"may_10 may_0", "feb_10", "may_5", "may_1", "may_0.bmp -", "nChosen= 2", 1,
         "hand=may_10.bmp desk= score= 30 ( 0, 0, 20)\n"
         "hand=may_0.bmp desk= score= 20 ( 0, 0, 20)"},
        // Rule 3: of equal values the lowest slot.
        {"feb_0 jul_0", "mar_5", "", "", "feb_0.bmp -", "nChosen= 1", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cpu);
        const CpuTurn t({.cpu = Split(c.cpu),
                         .desk = Split(c.desk),
                         .humanGrid = Split(c.humanGrid),
                         .cpuGrid = Split(c.cpuGrid)},
                        true);
        EXPECT_EQ(t.host.Calls.at(t.host.Find("Play 2")), std::string("Play 2 ") + c.play);
        EXPECT_EQ(t.host.Messages, *c.chosen ? Names{c.chosen} : Names{});
        EXPECT_EQ(t.host.Dumps.size(), c.dumps);
        if (*c.dump) {
            EXPECT_EQ(t.host.Dumps.at(0), Dump(c.dump));
        }
    }
}

TEST(ComputerTurn, RuleThreeRevealsAndLaysTheLeastValuableCardAfterTheBlockBonus) {
    const CpuTurn t({.cpu = Split("sep_0 aug_20"),
                     .desk = Split("feb_10"),
                     .pile = Split("jul_0"),
                     .humanGrid = Split("nov_20")},
                    true);
    EXPECT_EQ(t.host.Dumps.at(0), Dump("hand=aug_20.bmp desk= score= 70 ( 0, 0, 50)\n"
                                       "hand=sep_0.bmp desk= score= 0 ( 0, 0, 0)"));
    EXPECT_EQ(Names(t.host.Calls.begin(), t.host.Calls.begin() + 4),
              (Names{"Dump", "Message nChosen= 2", "Pause 1", "Play 2 sep_0.bmp -"}));
    EXPECT_EQ(t.host.At(2).view.picComp[2].Picture, "sep_0.bmp");
    EXPECT_EQ(Cards(t.host.At("Play 2").game.Desk), Split("feb_10 sep_0"));
}

TEST(ComputerTurn, AComputerMeldIsAnnouncedWithItsOwnCardsBeforeThePlayEnds) {
    const CpuTurn t(
        {.cpu = Split("dec_0"), .desk = Split("dec_5"), .cpuGrid = Split("dec_20 dec_10")}, false);
    ASSERT_EQ(t.host.Melds.size(), 1u);
    EXPECT_EQ(test::Entries(t.host.Melds[0]),
              test::MeldEntries("dec_20 dec_10 dec_5 dec_0",
                                "Computer has Kiri Complete (Dec), +20 points", "20"));
    EXPECT_LT(t.host.Find("Meld"), t.host.Find("Play 2"));
    EXPECT_EQ(t.host.At("Play 2").view.lblCPU, " 55");
}

}  // namespace
}  // namespace vm

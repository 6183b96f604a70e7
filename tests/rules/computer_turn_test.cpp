// The moves the rules make on their own: the computer's turn and the pile draw of either side.

#include "rules/computer_turn.h"

#include <gtest/gtest.h>

#include "rules/pile_draw.h"
#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

// The computer's turn on a fixed table, from the hand-over to it to the hand-over back. The
// pile's next card, sep_1, matches nothing.
struct CpuTurn : OnTable {
    CpuTurn(const char* cpu, const char* desk, bool debug, const char* humanGrid = "",
            const char* cpuGrid = "")
        : OnTable({.cpu = Split(cpu),
                   .desk = Split(desk),
                   .pile = Split("sep_1"),
                   .humanGrid = Split(humanGrid),
                   .cpuGrid = Split(cpuGrid),
                   .turnSide = ComputerSide},
                  debug) {
        NextTurn(s);
        EXPECT_TRUE(IsConsistent(s.game));
        EXPECT_TRUE(s.game.PlayerMayAct);
        EXPECT_EQ(host.Count("Play 2") + host.Count("Draw 2"), 2);
    }
};

// The card played is shown face up for the pause, a capture framed with the desk card it takes;
// then it is taken or laid, with no sound of its own, and a meld it completes is announced and
// scored before the pile draw.
TEST(ComputerTurn, ThePlayIsShownFaceUpForThePauseThenTakenOrLaidSilently) {
    struct Case {
        const char *cpu, *desk, *cpuGrid, *meld, *play;
        const char *inPause, *after;  // the table from "comp" to "desk"
        const char* score;
    };
    const Case cases[] = {
        {"jan_20 feb_0", "jan_1 feb_5", "mar_20 aug_20 nov_20 dec_20",
         "Computer has Lights (kings) Complete, +50 points", "jan_20.bmp jan_1.bmp",
         "comp jan_20* back | desk jan_1* feb_5", "comp back | desk feb_5", " 150"},
        {"aug_20 oct_0", "feb_10", "", "", "oct_0.bmp -", "comp back oct_0 | desk feb_10",
         "comp back | desk feb_10 oct_0", " 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cpu);
        const CpuTurn t(c.cpu, c.desk, false, "", c.cpuGrid);
        Names calls = {"Pause 1", std::string("Play 2 ") + c.play};
        if (*c.meld) calls.insert(calls.begin() + 1, std::string("Meld ") + c.meld);
        calls.insert(calls.end(), {DownSound, "Pause 1", DownSound, "Draw 2 sep_1.bmp -"});
        EXPECT_EQ(t.host.Calls, calls);
        const std::string rest = " | hand | pile - - | taken";
        EXPECT_EQ(Shown(t.host.At(0).view), c.inPause + rest);
        const TableView& after = t.host.At("Play 2").view;
        EXPECT_EQ(Shown(after) + after.lblCPU, c.after + rest + c.score);
    }
}

// One case per rule of choice and its tie-break. In debug mode every capture evaluation and
// every evaluation by value is dumped before the pause, and every discard names its hand slot.
TEST(ComputerTurn, ChoosesByScoreAndTheDiscardRules) {
    struct Case {
        const char *cpu, *desk, *humanGrid, *cpuGrid, *play;
        const char* chosen;  // the debug message of a discard, "" for a capture
        int dumps;
        const char* dump;  // its filled lines, when checked
    };
    const Case cases[] = {
        // Only the hand card earns a bonus.
        {"mar_0 jun_5", "mar_20 jun_10", "", "", "jun_5.bmp jun_10.bmp", "", 1,
         "hand=mar_0.bmp desk=mar_20.bmp score= 20 ( 0, 0, 0)\n"
         "hand=jun_5.bmp desk=jun_10.bmp score= 23 ( 0, 8, 0)"},
        // Of equal scores the first candidate.
        {"jul_1 aug_0", "jul_0 aug_1", "", "", "jul_1.bmp jul_0.bmp", "", 1, ""},
        // Rule 1: the first card of the first whole month.
        {"jan_0 apr_10 apr_5 apr_1 apr_0", "feb_10", "", "", "apr_10.bmp -", "nChosen= 2", 0, ""},
        {"feb_10 feb_5 feb_1 feb_0 apr_10 apr_5 apr_1 apr_0", "mar_5", "", "", "feb_10.bmp -",
         "nChosen= 1", 0, ""},
        // Rule 2: a pair whose other two are captured; of several months the last.
        {"may_10 may_0 nov_20 nov_0", "feb_10", "may_5 may_1", "nov_10 nov_1", "nov_20.bmp -",
         "nChosen= 3", 0, ""},
        // One captured card on each side is no closed pair: rule 3, with the block bonus.
        {"may_10 may_0", "feb_10", "may_5", "may_1", "may_0.bmp -", "nChosen= 2", 1,
         "hand=may_10.bmp desk= score= 30 ( 0, 0, 20)\n"
         "hand=may_0.bmp desk= score= 20 ( 0, 0, 20)"},
        // Rule 3: the least valuable card after the bonus, of equal values the lowest slot.
        {"jun_5 jul_10", "feb_10", "", "", "jul_10.bmp -", "nChosen= 2", 1,
         "hand=jun_5.bmp desk= score= 13 ( 0, 8, 0)\n"
         "hand=jul_10.bmp desk= score= 10 ( 0, 0, 0)"},
        {"feb_0 jul_0", "mar_5", "", "", "feb_0.bmp -", "nChosen= 1", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cpu);
        const CpuTurn t(c.cpu, c.desk, true, c.humanGrid, c.cpuGrid);
        const int pause = t.host.Find("Pause");
        EXPECT_EQ(t.host.Calls.at(pause + 1), std::string("Play 2 ") + c.play);
        EXPECT_EQ(t.host.Messages, *c.chosen ? Names{c.chosen} : Names{});
        EXPECT_LT(t.host.Find(*c.chosen ? "Message" : "Dump"), pause);
        EXPECT_EQ(t.host.Count("Dump"), c.dumps);
        if (*c.dump) {
            EXPECT_EQ(t.host.Calls.at(t.host.Find("Dump")), "Dump " + Dump(c.dump));
        }
    }
}

// A draw by the side whose turn it is, which has just played its hand card; pauses of 2 s.
struct Draw : OnTable {
    explicit Draw(const Layout& layout, bool debug = false) : OnTable(layout, debug, 2) {
        s.game.PlayerMayAct = layout.turnSide == HumanSide;
        DrawFromPile(table);
        EXPECT_TRUE(IsConsistent(s.game));
        EXPECT_FALSE(s.game.PlayerMayAct || s.game.MatchPending);
    }
};

TEST(PileDraw, AnUnmatchedCardIsShownForThePauseThenLaidAndTheLastEndsThePile) {
    const Draw d({.desk = Split("jan_1 aug_20"), .pile = Split("mar_5"), .rest = Rest::HumanGrid});
    EXPECT_EQ(d.host.Calls, (Names{DownSound, "Pause 2", DownSound, "Draw 1 mar_5.bmp -"}));
    EXPECT_EQ(Shown(d.host.At(1).view), "comp | desk jan_1 aug_20 | hand | pile mar_5 - | taken");
    EXPECT_EQ(Shown(d.s.view) + d.s.view.lblCards[1],
              "comp | desk jan_1 mar_5 aug_20 | hand | pile - - | taken 0");
    EXPECT_TRUE(d.s.game.LastDrawDone);
}

// The pile card feb_0 takes feb_5, framed together for the pause.
TEST(PileDraw, ACaptureGoesToTheDrawersGridAndOnlyTheHumansToTheMonthPiles) {
    for (int side : {HumanSide, ComputerSide}) {
        SCOPED_TRACE(side);
        const bool human = side == HumanSide;
        const Draw d({.desk = Split("feb_5 jul_10"), .pile = Split("feb_0"), .turnSide = side});
        EXPECT_EQ(d.host.Calls, (Names{DownSound, "Pause 2", UpSound,
                                       "Draw " + std::to_string(side) + " feb_0.bmp feb_5.bmp"}));
        EXPECT_EQ(Shown(d.host.At(1).view),
                  std::string("comp | desk feb_5* jul_10 | hand | pile ") +
                      (human ? "feb_0* -" : "- feb_0*") + " | taken");
        EXPECT_EQ(Shown(d.s.view) + Labels(d.s.view),
                  std::string("comp | desk jul_10 | hand | pile - - | taken") +
                      (human ? " feb_5 feb_0 5/ 0/ 22/0" : " 0/ 5/0/ 22"));
    }
}

// Of two matches the more valuable, then the lower slot, is taken; the weighing is by the pile
// card's bonus, and in debug mode is dumped before the choice is shown and paused on.
TEST(PileDraw, OfTwoMatchesTheMoreValuableThenTheLowerSlotIsTaken) {
    const Draw weighed(
        {.desk = Split("dec_20 dec_10"), .pile = Split("dec_0"), .turnSide = ComputerSide}, true);
    EXPECT_EQ(weighed.host.Calls,
              (Names{DownSound,
                     "Dump " + Dump("hand=dec_0.bmp desk=dec_20.bmp score= 25 ( 0, 5, 0)\n"
                                    "hand=dec_0.bmp desk=dec_10.bmp score= 15 ( 0, 5, 0)"),
                     "Pause 2", UpSound, "Draw 2 dec_0.bmp dec_20.bmp"}));
    const Draw tied({.desk = Split("jun_1 jun_0"), .pile = Split("jun_10")});
    EXPECT_EQ(tied.host.Calls.back(), "Draw 1 jun_10.bmp jun_1.bmp");
}

}  // namespace
}  // namespace vm::test

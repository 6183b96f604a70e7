// The moves the rules make on their own: the computer's turn and the pile draw of either side.

#include "rules/computer_turn.h"

#include <gtest/gtest.h>

#include "rules/pile_draw.h"
#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

Layout ComputerToMove(Layout layout) {
    layout.player = Split("oct_1 oct_0");
    if (layout.pile.empty()) layout.pile = Split("sep_1");
    layout.turnSide = ComputerSide;
    return layout;
}

// The computer's turn on a fixed table, from the hand-over to it to the hand-over back; the
// human's hand is framed and clickable as the human's turn left it.
struct CpuTurn : OnTable {
    CpuTurn(const Layout& layout, bool debug) : OnTable(ComputerToMove(layout), debug) {
        s.view.picHandShape[1] = true;
        EnablePlayerHand(table);
        NextTurn(s);
        EXPECT_TRUE(IsConsistent(s.game));
        EXPECT_TRUE(s.game.PlayerMayAct);
        EXPECT_EQ(host.Count("Play 2") + host.Count("Draw 2"), 2);
    }
};

TEST(ComputerTurn, TheLightPairOutscoresTheRibbonPairAndIsRevealedDuringThePause) {
    for (bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        const CpuTurn t({.cpu = Split("jan_20 feb_0"), .desk = Split("jan_1 feb_5")}, debug);
        Names calls = {"Pause 1", "Play 2 jan_20.bmp jan_1.bmp", DownSound, "Pause 1",
                       DownSound, "Draw 2 sep_1.bmp -"};
        if (debug) calls.insert(calls.begin(), "Dump");
        EXPECT_EQ(t.host.Calls, calls);
        // Framed and face up for the pause, nothing clickable; then taken and scored.
        const std::string second = debug ? " feb_0" : " back";
        EXPECT_EQ(
            Shown(t.host.At("Pause").view),
            "comp jan_20*" + second + " | desk jan_1* feb_5 | hand oct_1 oct_0 | pile - - | taken");
        const TableView& after = t.host.At("Play 2").view;
        EXPECT_EQ(Shown(after) + after.lblCPU,
                  "comp" + second + " | desk feb_5 | hand oct_1 oct_0 | pile - - | taken 20");
        EXPECT_EQ(Short(t.s.game.CapturedPiles[2][1]), "jan_20 - jan_1");
    }
}

TEST(ComputerTurn, ADiscardIsRevealedDuringThePauseThenLaid) {
    const CpuTurn t({.cpu = Split("aug_20 sep_0"), .desk = Split("feb_10"), .pile = Split("jul_0")},
                    false);
    EXPECT_EQ(t.host.Calls.at(1), "Play 2 sep_0.bmp -");
    EXPECT_EQ(Shown(t.host.At(0).view),
              "comp back sep_0 | desk feb_10 | hand oct_1 oct_0 | pile - - | taken");
    EXPECT_EQ(Shown(t.host.At(1).view),
              "comp back | desk feb_10 sep_0 | hand oct_1 oct_0 | pile - - | taken");
}

// One case per rule of choice and its tie-break. In debug mode every capture evaluation and
// every evaluation by value is dumped, and every discard names its hand slot.
TEST(ComputerTurn, ChoosesByScoreAndTheDiscardRules) {
    struct Case {
        const char *cpu, *desk, *humanGrid, *cpuGrid, *play;
        const char* chosen;  // the debug message of a discard, "" for a capture
        std::size_t dumps;
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
        {"aug_20 sep_0", "feb_10", "nov_20", "", "sep_0.bmp -", "nChosen= 2", 1,
         "hand=aug_20.bmp desk= score= 70 ( 0, 0, 50)\n"
         "hand=sep_0.bmp desk= score= 0 ( 0, 0, 0)"},
        {"feb_0 jul_0", "mar_5", "", "", "feb_0.bmp -", "nChosen= 1", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cpu);
        const CpuTurn t({.cpu = Split(c.cpu),
                         .desk = Split(c.desk),
                         .humanGrid = Split(c.humanGrid),
                         .cpuGrid = Split(c.cpuGrid)},
                        true);
        const int play = t.host.Find("Play 2");
        EXPECT_EQ(t.host.Calls.at(play), std::string("Play 2 ") + c.play);
        EXPECT_EQ(t.host.Messages, *c.chosen ? Names{c.chosen} : Names{});
        EXPECT_LT(t.host.Find(*c.chosen ? "Message" : "Pause"), play);
        EXPECT_EQ(t.host.Dumps.size(), c.dumps);
        if (*c.dump) {
            EXPECT_EQ(t.host.Dumps.at(0), Dump(c.dump));
        }
    }
}

TEST(ComputerTurn, AComputerMeldIsAnnouncedAndScoredBeforeThePlayEnds) {
    const CpuTurn t(
        {.cpu = Split("dec_0"), .desk = Split("dec_5"), .cpuGrid = Split("dec_20 dec_10")}, false);
    EXPECT_EQ(t.host.Calls.at(1), "Meld Computer has Kiri Complete (Dec), +20 points");
    EXPECT_EQ(t.host.Calls.at(2), "Play 2 dec_0.bmp dec_5.bmp");
    EXPECT_EQ(t.host.At("Play 2").view.lblCPU, " 55");
}

Layout WithHands(Layout layout) {
    layout.player = Split("nov_1 nov_0");
    layout.cpu = Split("sep_1 sep_0");
    return layout;
}

// A draw by the side whose turn it is, which has just played its hand card; pauses of 2 s.
struct Draw : OnTable {
    explicit Draw(const Layout& layout, bool debug = false) : OnTable(WithHands(layout), debug, 2) {
        s.game.PlayerMayAct = layout.turnSide == HumanSide;
        const int position = s.game.PilePosition;
        DrawFromPile(table);
        EXPECT_TRUE(IsConsistent(s.game));
        EXPECT_FALSE(s.game.PlayerMayAct || s.game.MatchPending);
        EXPECT_EQ(s.game.PilePosition, position + 1);
    }
};

TEST(PileDraw, AnUnmatchedCardIsShownForThePauseThenLaidAndTheLastEndsThePile) {
    Draw d({.desk = Split("jan_1 aug_20"), .pile = Split("mar_5"), .rest = Rest::HumanGrid});
    EXPECT_EQ(d.host.Calls, (Names{DownSound, "Pause 2", DownSound, "Draw 1 mar_5.bmp -"}));
    EXPECT_EQ(Shown(d.host.At(1).view),
              "comp back back | desk jan_1 aug_20 | hand nov_1 nov_0 | pile mar_5 - | taken");
    EXPECT_EQ(Shown(d.s.view),
              "comp back back | desk jan_1 mar_5 aug_20 | hand nov_1 nov_0 | pile - - | taken");
    EXPECT_EQ(d.s.view.lblCards[1], " 0");
    EXPECT_TRUE(d.s.game.LastDrawDone);
    // A draw from the empty pile changes nothing else.
    d.host.Clear();
    const TableView before = d.s.view;
    DrawFromPile(d.table);
    EXPECT_EQ(d.s.game.PilePosition, 49);
    EXPECT_EQ(d.s.view, before);
    EXPECT_TRUE(d.host.Calls.empty());
}

// The pile card feb_0 takes feb_5; for the computer it completes the red ribbons, announced
// before the draw ends.
TEST(PileDraw, ACaptureGoesToTheDrawersGridAndOnlyTheHumansToTheMonthPiles) {
    for (int side : {HumanSide, ComputerSide}) {
        SCOPED_TRACE(side);
        const bool human = side == HumanSide;
        const Draw d({.desk = Split("feb_5 jul_10"),
                      .pile = Split("feb_0"),
                      .cpuGrid = Split("jan_5 mar_5 dec_0"),
                      .turnSide = side});
        const std::string draw = "Draw " + std::to_string(side) + " feb_0.bmp feb_5.bmp";
        const std::string meld = "Meld Computer has Akai Tan (Red Tanzaku Strips), +30 points";
        const Names calls = human ? Names{DownSound, "Pause 2", UpSound, draw}
                                  : Names{DownSound, "Pause 2", UpSound, meld, draw};
        EXPECT_EQ(d.host.Calls, calls);
        EXPECT_EQ(Shown(d.host.At(1).view),
                  std::string("comp back back | desk feb_5* jul_10 | hand nov_1 nov_0 | pile ") +
                      (human ? "feb_0* -" : "- feb_0*") + " | taken");
        // The up sound comes after the desk card is stored and before the pile card is.
        EXPECT_EQ(Short(d.host.At(2).game.CapturedPiles[side][2]), "- feb_5");
        EXPECT_EQ(Short(d.s.game.CapturedPiles[side][2]), "- feb_5 - feb_0");
        EXPECT_EQ(
            Shown(d.s.view),
            std::string("comp back back | desk jul_10 | hand nov_1 nov_0 | pile - - | taken") +
                (human ? " feb_5 feb_0" : ""));
        EXPECT_EQ(Labels(d.s.view), human ? " 5/ 10/ 19/0" : " 0/ 45/0/ 19");
        EXPECT_FALSE(d.s.game.LastDrawDone);
    }
}

TEST(PileDraw, OfTwoMatchesTheMoreValuableThenTheLowerSlotIsTaken) {
    struct Case {
        int side;
        const char *desk, *next, *taken;
        const char* dump;  // the filled lines of the debug dump, "" for a draw without debugging
    };
    const Case cases[] = {
        {HumanSide, "jun_10 jun_0 aug_0", "jun_1", "jun_10",
         "hand=jun_1.bmp desk=jun_10.bmp score= 10 ( 0, 0, 0)\n"
         "hand=jun_1.bmp desk=jun_0.bmp score= 0 ( 0, 0, 0)"},
        {HumanSide, "jun_1 jun_0", "jun_10", "jun_1", ""},
        // Both candidates get the pile card's own bonus.
        {ComputerSide, "dec_20 dec_10", "dec_0", "dec_20",
         "hand=dec_0.bmp desk=dec_20.bmp score= 25 ( 0, 5, 0)\n"
         "hand=dec_0.bmp desk=dec_10.bmp score= 15 ( 0, 5, 0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.desk);
        // Debugging is on when a dump is given; the dump comes before the choice is shown and
        // paused on.
        const bool debug = *c.dump != '\0';
        const Draw d({.desk = Split(c.desk), .pile = Split(c.next), .turnSide = c.side}, debug);
        Names calls = {
            DownSound, "Pause 2", UpSound,
            "Draw " + std::to_string(c.side) + " " + Split(c.next)[0] + " " + Split(c.taken)[0]};
        if (debug) calls.insert(calls.begin() + 1, "Dump");
        EXPECT_EQ(d.host.Calls, calls);
        if (debug) {
            EXPECT_EQ(d.host.Dumps.at(0), Dump(c.dump));
        }
    }
}

}  // namespace
}  // namespace vm::test

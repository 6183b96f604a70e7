#include "rules/pile_draw.h"

#include <gtest/gtest.h>

#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

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
                      .cpuGrid = Split("jan_5 mar_5"),
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
        const char* dump;  // the filled lines of the debug dump, when checked
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
        const Draw d({.desk = Split(c.desk), .pile = Split(c.next), .turnSide = c.side}, true);
        // The dump comes before the choice is shown and paused on.
        EXPECT_EQ(d.host.Calls, (Names{DownSound, "Dump", "Pause 2", UpSound,
                                       "Draw " + std::to_string(c.side) + " " + Split(c.next)[0] +
                                           " " + Split(c.taken)[0]}));
        if (*c.dump) {
            EXPECT_EQ(d.host.Dumps.at(0), Dump(c.dump));
        }
    }
}

}  // namespace
}  // namespace vm::test

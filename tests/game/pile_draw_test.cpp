#include "game/pile_draw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/debug_views.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Cards;
using test::Layout;
using test::ScriptedHost;

const std::string Up = "Sound /prog/Card_up.wav";
const std::string Down = "Sound /prog/Card_down.wav";
const std::string Cleared = "hand= desk= score= 0 ( 0, 0, 0)\r\n";

class PileDrawTest : public ::testing::Test {
  protected:
    // The drawing side has just played its hand card; the next pile card is `next`.
    void Start(int side, std::vector<std::string> desk, const std::string& next) {
        Layout layout;
        layout.player = {"nov_1.bmp", "nov_0.bmp"};
        layout.cpu = {"sep_1.bmp", "sep_0.bmp"};
        layout.desk = std::move(desk);
        layout.pile = {next};
        layout.turnSide = side;
        test::PrepareSession(s, host, 2);
        test::SetUpTable(s, layout);
        ASSERT_TRUE(IsConsistent(s.game));
        s.game.PlayerMayAct = side == HumanSide;
        host.Clear();
        positionBefore = s.game.PilePosition;
    }
    void Draw() {
        DrawFromPile(s);
        EXPECT_TRUE(IsConsistent(s.game));
        EXPECT_FALSE(s.game.PlayerMayAct);
        EXPECT_EQ(s.game.PilePosition, positionBefore + 1);
        EXPECT_FALSE(s.view.picPile[1].Visible);
        EXPECT_FALSE(s.view.picPile[2].Visible);
        EXPECT_FALSE(test::AnyMarker(s.view));
        EXPECT_FALSE(s.game.MatchPending);
    }

    ScriptedHost host;
    Session s{host};
    int positionBefore = 0;
};

TEST_F(PileDrawTest, AnUnmatchedCardIsShownForThePauseThenLaidAndSorted) {
    Start(HumanSide, {"jan_1.bmp", "aug_20.bmp"}, "mar_5.bmp");
    Draw();
    EXPECT_EQ(host.Calls, (std::vector<std::string>{Down, "Pause 2", Down, "Draw 1 mar_5.bmp -"}));
    const test::Snapshot& pause = host.At(1);
    EXPECT_TRUE(pause.view.picPile[1].Visible);
    EXPECT_EQ(pause.view.picPile[1].Picture, "mar_5.bmp");
    EXPECT_FALSE(pause.view.picPileShape[1]);
    EXPECT_EQ(Cards(pause.game.Desk), (std::vector<std::string>{"jan_1.bmp", "aug_20.bmp"}));
    EXPECT_EQ(Cards(s.game.Desk),
              (std::vector<std::string>{"jan_1.bmp", "mar_5.bmp", "aug_20.bmp"}));
    EXPECT_EQ(s.game.DeskNextSlot, 4);
    EXPECT_EQ(s.view.picDesk[2].Picture, "mar_5.bmp");
    EXPECT_EQ(s.game.PlayerScore, 0);
    EXPECT_EQ(s.game.CPUScore, 0);
    EXPECT_EQ(host.Count("Meld"), 0);
}

TEST_F(PileDrawTest, AComputerCaptureGoesToItsGridAndNotToTheMonthPiles) {
    Start(ComputerSide, {"feb_5.bmp", "jul_10.bmp"}, "jul_0.bmp");
    Draw();
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{Down, "Pause 2", Up, "Draw 2 jul_0.bmp jul_10.bmp"}));
    const test::Snapshot& pause = host.At(1);
    EXPECT_TRUE(pause.view.picPileShape[2]);
    EXPECT_TRUE(pause.view.picShape[2]);
    EXPECT_EQ(test::CountTrue(pause.view.picShape), 1);
    EXPECT_EQ(pause.view.picPile[2].Picture, "jul_0.bmp");
    // The up sound comes after the desk card is stored and before the pile card is.
    const test::Snapshot& up = host.At(2);
    EXPECT_EQ(up.game.CapturedPiles[2][7][1], "jul_10.bmp");
    EXPECT_EQ(up.game.CapturedPiles[2][7][4], "");
    EXPECT_EQ(s.game.CapturedPiles[2][7][4], "jul_0.bmp");
    EXPECT_EQ(s.game.CPUScore, 10);
    EXPECT_EQ(s.view.lblCPU, " 10");
    EXPECT_EQ(Cards(s.game.Desk), std::vector<std::string>{"feb_5.bmp"});
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
}

TEST_F(PileDrawTest, AHumanCaptureIsShownInTheMonthPiles) {
    Start(HumanSide, {"feb_5.bmp", "jul_10.bmp"}, "jul_0.bmp");
    Draw();
    EXPECT_EQ(s.game.PlayerScore, 10);
    EXPECT_EQ(s.view.lblPlayer, " 10");
    EXPECT_TRUE(s.view.MonthPiles[7][1].Visible);
    EXPECT_EQ(s.view.MonthPiles[7][4].Picture, "jul_0.bmp");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 2);
}

TEST_F(PileDrawTest, OfTwoMatchesTheTenIsTakenOverTheZero) {
    Start(HumanSide, {"jun_10.bmp", "jun_0.bmp", "aug_0.bmp"}, "jun_1.bmp");
    s.options.DebugMode = true;
    Draw();
    EXPECT_EQ(s.game.CapturedPiles[1][6][1], "jun_10.bmp");
    EXPECT_EQ(Cards(s.game.Desk), (std::vector<std::string>{"jun_0.bmp", "aug_0.bmp"}));
    ASSERT_EQ(host.Dumps.size(), 1u);
    std::string expected =
        "hand=jun_1.bmp desk=jun_10.bmp score= 10 ( 0, 0, 0)\r\n"
        "hand=jun_1.bmp desk=jun_0.bmp score= 0 ( 0, 0, 0)\r\n";
    for (int i = 0; i < 8; ++i)
        expected += Cleared;
    EXPECT_EQ(host.Dumps[0], expected);
    // The dump comes before the choice is shown and paused on.
    EXPECT_EQ(host.Calls, (std::vector<std::string>{Down, "Dump", "Pause 2", Up,
                                                    "Draw 1 jun_1.bmp jun_10.bmp"}));
}

TEST_F(PileDrawTest, OfTwoEqualMatchesTheLowerSlotIsTaken) {
    Start(HumanSide, {"jun_1.bmp", "jun_0.bmp"}, "jun_10.bmp");
    Draw();
    EXPECT_EQ(s.game.CapturedPiles[1][6][3], "jun_1.bmp");
    EXPECT_EQ(Cards(s.game.Desk), std::vector<std::string>{"jun_0.bmp"});
    EXPECT_TRUE(host.Dumps.empty());
}

TEST_F(PileDrawTest, OfTwoEqualMatchesTheLowerSlotIsTakenWhicheverCardItHolds) {
    Start(HumanSide, {"jun_0.bmp", "jun_1.bmp"}, "jun_10.bmp");
    ASSERT_EQ(s.game.Desk[1], "jun_0.bmp");
    Draw();
    EXPECT_EQ(s.game.CapturedPiles[1][6][4], "jun_0.bmp");
    EXPECT_EQ(Cards(s.game.Desk), std::vector<std::string>{"jun_1.bmp"});
}

TEST_F(PileDrawTest, BothCandidatesOfTheChoiceGetThePileCardsBonus) {
    Start(ComputerSide, {"dec_20.bmp", "dec_10.bmp"}, "dec_0.bmp");
    s.options.DebugMode = true;
    Draw();
    std::string expected =
        "hand=dec_0.bmp desk=dec_20.bmp score= 25 ( 0, 5, 0)\r\n"
        "hand=dec_0.bmp desk=dec_10.bmp score= 15 ( 0, 5, 0)\r\n";
    for (int i = 0; i < 8; ++i)
        expected += Cleared;
    ASSERT_EQ(host.Dumps.size(), 1u);
    EXPECT_EQ(host.Dumps[0], expected);
    EXPECT_EQ(s.game.CapturedPiles[2][12][1], "dec_20.bmp");
    EXPECT_EQ(s.game.CandidateTable[1].HandSlot, 0);
    EXPECT_EQ(s.game.CandidateTable[1].DeskSlot, 1);
    EXPECT_EQ(s.game.CandidateTable[2].DeskSlot, 2);
}

TEST_F(PileDrawTest, SoundsOffMakesTheDrawSilent) {
    Start(HumanSide, {"jul_10.bmp"}, "jul_0.bmp");
    s.options.SoundEffectsOn = false;
    Draw();
    EXPECT_TRUE(host.Sounds.empty());
    EXPECT_EQ(s.game.PlayerScore, 10);
}

TEST_F(PileDrawTest, AMeldCompletedByAPileCardIsAnnouncedBeforeTheDrawEnds) {
    Layout layout;
    layout.player = {"nov_1.bmp"};
    layout.cpu = {"sep_1.bmp"};
    layout.desk = {"feb_5.bmp"};
    layout.pile = {"feb_0.bmp"};
    layout.cpuGrid = {"jan_5.bmp", "mar_5.bmp"};
    layout.turnSide = ComputerSide;
    test::PrepareSession(s, host, 1);
    test::SetUpTable(s, layout);
    host.Clear();
    DrawFromPile(s);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{
                              Down, "Pause 1", Up,
                              "Meld Computer has Akai Tan (Red Tanzaku Strips), +30 points",
                              "Draw 2 feb_0.bmp feb_5.bmp"}));
    EXPECT_EQ(s.game.CPUScore, 5 + 5 + 5 + 30);
    EXPECT_EQ(s.view.lblCPU, " 45");
    const MeldInfo& info = host.Melds.at(0);
    EXPECT_EQ(info[1], "jan_5.bmp");
    EXPECT_EQ(info[2], "feb_5.bmp");
    EXPECT_EQ(info[3], "mar_5.bmp");
    EXPECT_EQ(info[4], "");
}

TEST_F(PileDrawTest, TheLastPileCardSetsLastDrawDoneAndTheCounterReadsZero) {
    Layout layout;
    layout.player = {"nov_1.bmp"};
    layout.cpu = {"sep_1.bmp"};
    layout.desk = {"feb_5.bmp"};
    layout.pile = {"jul_0.bmp"};
    layout.rest = test::Rest::HumanGrid;
    layout.turnSide = ComputerSide;
    test::PrepareSession(s, host, 1);
    test::SetUpTable(s, layout);
    ASSERT_EQ(s.game.PilePosition, 48);
    ASSERT_TRUE(IsConsistent(s.game));
    DrawFromPile(s);
    EXPECT_TRUE(s.game.LastDrawDone);
    EXPECT_EQ(s.game.PilePosition, 49);
    EXPECT_EQ(s.view.lblCards[2], " 0");
    EXPECT_TRUE(IsConsistent(s.game));
}

TEST_F(PileDrawTest, TheCounterShowsTheDrawsTheSideHasLeft) {
    Start(HumanSide, {"jan_1.bmp"}, "mar_5.bmp");
    s.game.LastDrawDone = false;
    // Five cards out of the pile: it starts at entry 6, so after this draw (49 - 7) / 2 = 21.
    ASSERT_EQ(s.game.PilePosition, 6);
    DrawFromPile(s);
    EXPECT_EQ(s.view.lblCards[1], " 21");
    EXPECT_EQ(s.view.lblCards[2], "0");
    EXPECT_FALSE(s.game.LastDrawDone);
}

TEST(PileDraw, AnExhaustedPileOnlyEndsTheGame) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 1);
    test::Layout layout;
    layout.rest = test::Rest::ComputerGrid;
    layout.player = {"jan_0.bmp"};
    test::SetUpTable(s, layout);
    ASSERT_EQ(s.game.PilePosition, 49);
    s.game.PlayerMayAct = true;
    host.Clear();
    const TableView before = s.view;
    DrawFromPile(s);
    EXPECT_FALSE(s.game.PlayerMayAct);
    EXPECT_TRUE(s.game.LastDrawDone);
    EXPECT_EQ(s.game.PilePosition, 49);
    EXPECT_EQ(s.view, before);
    EXPECT_TRUE(host.Calls.empty());
}

}  // namespace
}  // namespace vm

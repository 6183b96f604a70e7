#include "game/computer_turn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/player_input.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Cards;
using test::Layout;
using test::ScriptedHost;

const std::string Down = "Sound /prog/Card_down.wav";
const std::string Cleared = "hand= desk= score= 0 ( 0, 0, 0)\r\n";

std::string WithClearedLines(std::string lines, int filled) {
    for (int i = filled; i < 10; ++i)
        lines += Cleared;
    return lines;
}

class ComputerTurnTest : public ::testing::Test {
  protected:
    // The computer is to move; the pile card it will draw matches nothing unless stated.
    void Play(Layout layout, bool debug) {
        if (layout.player.empty())
            layout.player = {"oct_1.bmp", "oct_0.bmp"};
        if (layout.pile.empty())
            layout.pile = {"jul_0.bmp"};
        layout.turnSide = ComputerSide;
        test::PrepareSession(s, host, 1);
        s.options.DebugMode = debug;
        test::SetUpTable(s, layout);
        ASSERT_TRUE(IsConsistent(s.game));
        // Left over from the human's turn: a marker and clickable cards.
        s.view.picHandShape[1] = true;
        EnablePlayerHand(s);
        host.Clear();
        NextTurn(s);
        EXPECT_TRUE(IsConsistent(s.game));
        // The turn ends by handing over to the human.
        EXPECT_EQ(s.game.TurnSide, HumanSide);
        EXPECT_TRUE(s.game.PlayerMayAct);
        EXPECT_EQ(host.Count("Play 2"), 1);
        EXPECT_EQ(host.Count("Draw 2"), 1);
    }
    std::string ComputersPlay() const {
        const int index = host.Find("Play 2");
        return index < 0 ? "" : host.Calls[static_cast<std::size_t>(index)];
    }
    const test::Snapshot& AfterPlay() const { return host.At(host.Find("Play 2")); }

    ScriptedHost host;
    Session s{host};
};

TEST_F(ComputerTurnTest, TheLightPairOutscoresTheRibbonPair) {
    Layout layout;
    layout.cpu = {"jan_20.bmp", "feb_0.bmp"};
    layout.desk = {"jan_1.bmp", "feb_5.bmp"};
    Play(layout, true);
    EXPECT_EQ(ComputersPlay(), "Play 2 jan_20.bmp jan_1.bmp");
    ASSERT_EQ(host.Dumps.size(), 1u);
    EXPECT_EQ(host.Dumps[0],
              WithClearedLines("hand=jan_20.bmp desk=jan_1.bmp score= 33 ( 0, 13, 0)\r\n"
                               "hand=feb_0.bmp desk=feb_5.bmp score= 5 ( 0, 0, 0)\r\n",
                               2));
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{"Dump", "Pause 1", "Play 2 jan_20.bmp jan_1.bmp", Down,
                                        "Pause 1", Down, "Draw 2 jul_0.bmp -"}));
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(after.game.CapturedPiles[2][1][1], "jan_20.bmp");
    EXPECT_EQ(after.game.CapturedPiles[2][1][3], "jan_1.bmp");
    EXPECT_EQ(after.game.CPUScore, 20);
    EXPECT_EQ(after.view.lblCPU, " 20");
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 0);
    EXPECT_EQ(Cards(after.game.Desk), std::vector<std::string>{"feb_5.bmp"});
    EXPECT_EQ(Cards(after.game.CPUHand), std::vector<std::string>{"feb_0.bmp"});
    EXPECT_EQ(after.game.HandCount[ComputerSide], 1);
    EXPECT_FALSE(test::AnyMarker(after.view));
    // No "nChosen=" message for a capture.
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ComputerTurnTest, TheChoiceIsShownFaceUpDuringThePause) {
    Layout layout;
    layout.cpu = {"jan_20.bmp", "feb_0.bmp"};
    layout.desk = {"jan_1.bmp", "feb_5.bmp"};
    Play(layout, false);
    EXPECT_TRUE(host.Dumps.empty());
    const test::Snapshot& pause = host.At(host.Find("Pause"));
    EXPECT_TRUE(pause.view.picCompShape[1]);
    EXPECT_TRUE(pause.view.picShape[1]);
    EXPECT_EQ(test::CountTrue(pause.view.picShape), 1);
    EXPECT_FALSE(pause.view.picHandShape[1]);
    EXPECT_EQ(pause.view.picComp[1].Picture, "jan_20.bmp");
    EXPECT_EQ(pause.view.picComp[2].Picture, "back.bmp");
    EXPECT_FALSE(pause.game.PlayerMayAct);
    for (const CardPlace& place : pause.view.picHand)
        EXPECT_FALSE(place.Enabled);
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(after.view.picComp[1].Picture, "back.bmp");  // now feb_0, face down
    EXPECT_FALSE(after.view.picComp[2].Visible);
    EXPECT_FALSE(after.view.picCompShape[1]);
}

TEST_F(ComputerTurnTest, OnlyTheHandCardEarnsTheBonus) {
    Layout layout;
    layout.cpu = {"mar_0.bmp", "jun_5.bmp"};
    layout.desk = {"mar_20.bmp", "jun_10.bmp"};
    Play(layout, true);
    EXPECT_EQ(host.Dumps.at(0),
              WithClearedLines("hand=mar_0.bmp desk=mar_20.bmp score= 20 ( 0, 0, 0)\r\n"
                               "hand=jun_5.bmp desk=jun_10.bmp score= 23 ( 0, 8, 0)\r\n",
                               2));
    EXPECT_EQ(ComputersPlay(), "Play 2 jun_5.bmp jun_10.bmp");
}

TEST_F(ComputerTurnTest, OfTwoDeskCardsTheMoreValuableIsTaken) {
    Layout layout;
    layout.cpu = {"apr_0.bmp"};
    layout.desk = {"apr_10.bmp", "apr_1.bmp"};
    Play(layout, false);
    EXPECT_EQ(ComputersPlay(), "Play 2 apr_0.bmp apr_10.bmp");
}

TEST_F(ComputerTurnTest, OfTwoEqualDeskCardsTheLowerSlotIsTaken) {
    Layout layout;
    layout.cpu = {"apr_10.bmp"};
    layout.desk = {"apr_1.bmp", "apr_0.bmp"};
    Play(layout, false);
    EXPECT_EQ(ComputersPlay(), "Play 2 apr_10.bmp apr_1.bmp");

    ScriptedHost otherHost;
    Session other(otherHost);
    layout.desk = {"apr_0.bmp", "apr_1.bmp"};
    layout.player = {"oct_1.bmp", "oct_0.bmp"};
    layout.pile = {"jul_0.bmp"};
    layout.turnSide = ComputerSide;
    test::PrepareSession(other, otherHost, 0);
    test::SetUpTable(other, layout);
    NextTurn(other);
    EXPECT_EQ(otherHost.Calls.at(0), "Play 2 apr_10.bmp apr_0.bmp");
}

TEST_F(ComputerTurnTest, OfEqualScoresTheFirstCandidateWins) {
    Layout layout;
    layout.cpu = {"jul_1.bmp", "aug_0.bmp"};
    layout.desk = {"jul_0.bmp", "aug_1.bmp"};
    layout.pile = {"sep_1.bmp"};
    Play(layout, false);
    EXPECT_EQ(ComputersPlay(), "Play 2 jul_1.bmp jul_0.bmp");
}

TEST_F(ComputerTurnTest, RuleThreeLaysTheLeastValuableCardAfterTheBlockBonus) {
    Layout layout;
    layout.cpu = {"sep_0.bmp", "aug_20.bmp"};
    layout.desk = {"feb_10.bmp"};
    layout.humanGrid = {"nov_20.bmp"};
    Play(layout, true);
    EXPECT_EQ(host.Dumps.at(0), WithClearedLines("hand=aug_20.bmp desk= score= 70 ( 0, 0, 50)\r\n"
                                                 "hand=sep_0.bmp desk= score= 0 ( 0, 0, 0)\r\n",
                                                 2));
    EXPECT_EQ(host.Messages, std::vector<std::string>{"nChosen= 2"});
    EXPECT_EQ(
        std::vector<std::string>(host.Calls.begin(), host.Calls.begin() + 4),
        (std::vector<std::string>{"Dump", "Message nChosen= 2", "Pause 1", "Play 2 sep_0.bmp -"}));
    const test::Snapshot& pause = host.At(2);
    EXPECT_EQ(pause.view.picComp[2].Picture, "sep_0.bmp");
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(Cards(after.game.Desk), (std::vector<std::string>{"feb_10.bmp", "sep_0.bmp"}));
    EXPECT_EQ(after.game.DeskNextSlot, 3);
    EXPECT_EQ(after.game.CPUScore, 0);
    EXPECT_EQ(host.Count("Meld"), 0);
}

TEST_F(ComputerTurnTest, RuleThreeTiesGoToTheLowestSlot) {
    Layout layout;
    layout.cpu = {"feb_0.bmp", "jul_0.bmp"};
    layout.desk = {"mar_5.bmp"};
    layout.pile = {"sep_1.bmp"};
    Play(layout, true);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"nChosen= 1"});
    EXPECT_EQ(ComputersPlay(), "Play 2 feb_0.bmp -");
}

TEST_F(ComputerTurnTest, RuleOneLaysTheFirstCardOfAWholeMonth) {
    Layout layout;
    layout.cpu = {"jan_0.bmp", "apr_10.bmp", "apr_5.bmp", "apr_1.bmp", "apr_0.bmp"};
    layout.desk = {"feb_10.bmp"};
    Play(layout, true);
    EXPECT_TRUE(host.Dumps.empty());
    EXPECT_EQ(host.Messages, std::vector<std::string>{"nChosen= 2"});
    EXPECT_EQ(ComputersPlay(), "Play 2 apr_10.bmp -");
}

TEST_F(ComputerTurnTest, RuleOneTakesTheFirstWholeMonth) {
    Layout layout;
    layout.cpu = {"feb_10.bmp", "feb_5.bmp", "feb_1.bmp", "feb_0.bmp",
                  "apr_10.bmp", "apr_5.bmp", "apr_1.bmp", "apr_0.bmp"};
    layout.desk = {"mar_5.bmp"};
    Play(layout, false);
    EXPECT_EQ(ComputersPlay(), "Play 2 feb_10.bmp -");
}

TEST_F(ComputerTurnTest, RuleTwoLaysAPairWhoseMonthTheHumanHasHalfCaptured) {
    Layout layout;
    layout.cpu = {"may_10.bmp", "may_0.bmp"};
    layout.desk = {"feb_10.bmp"};
    layout.humanGrid = {"may_5.bmp", "may_1.bmp"};
    Play(layout, true);
    EXPECT_TRUE(host.Dumps.empty());
    EXPECT_EQ(host.Messages, std::vector<std::string>{"nChosen= 1"});
    EXPECT_EQ(ComputersPlay(), "Play 2 may_10.bmp -");
}

TEST_F(ComputerTurnTest, RuleTwoOfSeveralMonthsTheLastDecides) {
    Layout layout;
    layout.cpu = {"may_10.bmp", "may_0.bmp", "nov_20.bmp", "nov_0.bmp"};
    layout.desk = {"feb_10.bmp"};
    layout.humanGrid = {"may_5.bmp", "may_1.bmp"};
    layout.cpuGrid = {"nov_10.bmp", "nov_1.bmp"};
    Play(layout, true);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"nChosen= 3"});
    EXPECT_EQ(ComputersPlay(), "Play 2 nov_20.bmp -");
}

TEST_F(ComputerTurnTest, OneCapturedCardOnEachSideIsNoClosedPair) {
    Layout layout;
    layout.cpu = {"may_10.bmp", "may_0.bmp"};
    layout.desk = {"feb_10.bmp"};
    layout.humanGrid = {"may_5.bmp"};
    layout.cpuGrid = {"may_1.bmp"};
    Play(layout, true);
    // Rule three: may_10 is 10 + 20 (block), may_0 is 0 + 20.
    EXPECT_EQ(host.Dumps.at(0), WithClearedLines("hand=may_10.bmp desk= score= 30 ( 0, 0, 20)\r\n"
                                                 "hand=may_0.bmp desk= score= 20 ( 0, 0, 20)\r\n",
                                                 2));
    EXPECT_EQ(host.Messages, std::vector<std::string>{"nChosen= 2"});
    EXPECT_EQ(ComputersPlay(), "Play 2 may_0.bmp -");
}

TEST_F(ComputerTurnTest, AComputerMeldIsAnnouncedWithItsOwnCards) {
    Layout layout;
    layout.cpu = {"dec_0.bmp"};
    layout.desk = {"dec_5.bmp"};
    layout.cpuGrid = {"dec_20.bmp", "dec_10.bmp"};
    Play(layout, false);
    ASSERT_EQ(host.Melds.size(), 1u);
    const MeldInfo& info = host.Melds[0];
    EXPECT_EQ(info[6], "Computer has Kiri Complete (Dec), +20 points");
    EXPECT_EQ(info[1], "dec_20.bmp");
    EXPECT_EQ(info[2], "dec_10.bmp");
    EXPECT_EQ(info[3], "dec_5.bmp");
    EXPECT_EQ(info[4], "dec_0.bmp");
    EXPECT_EQ(info[5], "");
    EXPECT_LT(host.Find("Meld"), host.Find("Play 2"));
    EXPECT_EQ(AfterPlay().game.CPUScore, 20 + 10 + 5 + 20);
    EXPECT_EQ(AfterPlay().view.lblCPU, " 55");
}

}  // namespace
}  // namespace vm

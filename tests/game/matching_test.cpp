#include "game/matching.h"

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

const std::string Up = "Sound /prog/Card_up.wav";
const std::string Down = "Sound /prog/Card_down.wav";

// Hand: 1 jan_20 (one match), 2 mar_1 (none), 3 apr_10 (two), 4 jul_5, 5 nov_0 (none).
// Desk: 1 jan_1, 2 apr_5, 3 apr_0, 4 aug_20, 5 oct_10. The human draws may_0 next, which
// matches nothing.
Layout HumanTurn() {
    Layout layout;
    layout.player = {"jan_20.bmp", "mar_1.bmp", "apr_10.bmp", "jul_5.bmp", "nov_0.bmp"};
    layout.cpu = {"feb_0.bmp", "jun_0.bmp", "sep_0.bmp"};
    layout.desk = {"jan_1.bmp", "apr_5.bmp", "apr_0.bmp", "aug_20.bmp", "oct_10.bmp"};
    layout.pile = {"may_0.bmp", "dec_0.bmp"};
    return layout;
}

class MatchingTest : public ::testing::Test {
  protected:
    void Start(const Layout& layout) {
        test::PrepareSession(s, host, 1);
        test::SetUpTable(s, layout);
        ASSERT_TRUE(IsConsistent(s.game));
        NextTurn(s);
        ASSERT_TRUE(s.game.PlayerMayAct);
        host.Clear();
    }
    // The table right after the human's hand play, before the pile draw.
    const test::Snapshot& AfterHumanPlay() const {
        const int index = host.Find("Play 1");
        EXPECT_GE(index, 0);
        return host.At(index);
    }

    ScriptedHost host;
    Session s{host};
};

TEST_F(MatchingTest, FindDeskMatchesListsAscendingSlotsAndClearsOldEntries) {
    Start(HumanTurn());
    s.game.DeskMatchSlots[1] = 9;
    s.game.DeskMatchSlots[2] = 9;
    s.game.DeskMatchSlots[3] = 9;
    EXPECT_EQ(FindDeskMatches(s.game, 4), 2);
    EXPECT_EQ(s.game.DeskMatchSlots[1], 2);
    EXPECT_EQ(s.game.DeskMatchSlots[2], 3);
    EXPECT_EQ(s.game.DeskMatchSlots[3], 0);
    EXPECT_EQ(FindDeskMatches(s.game, 2), 0);
    EXPECT_EQ(s.game.DeskMatchSlots[1], 0);
    EXPECT_EQ(s.game.DeskMatchSlots[2], 0);
    // Empty slots have month 13 but never match it.
    EXPECT_EQ(FindDeskMatches(s.game, 13), 0);
}

TEST(FindDeskMatches, AFourthMatchIsCountedButNeverWritten) {
    Game game;
    game.Desk[2] = "jan_20.bmp";
    game.Desk[5] = "jan_5.bmp";
    game.Desk[9] = "jan_1.bmp";
    game.Desk[16] = "jan_0.bmp";
    game.Desk[3] = "feb_0.bmp";
    EXPECT_EQ(FindDeskMatches(game, 1), 4);
    EXPECT_EQ(game.DeskMatchSlots[1], 2);
    EXPECT_EQ(game.DeskMatchSlots[2], 5);
    EXPECT_EQ(game.DeskMatchSlots[3], 9);
}

TEST_F(MatchingTest, RemovingCardsKeepsRowsCompactSortedAndDrawn) {
    Layout layout = HumanTurn();
    layout.desk = {"jan_1.bmp",  "feb_5.bmp",  "apr_5.bmp", "apr_0.bmp",
                   "aug_20.bmp", "oct_10.bmp", "nov_10.bmp"};
    Start(layout);
    RemoveDeskCard(s, 3);
    EXPECT_EQ(Cards(s.game.Desk),
              (std::vector<std::string>{"jan_1.bmp", "feb_5.bmp", "apr_0.bmp", "aug_20.bmp",
                                        "oct_10.bmp", "nov_10.bmp"}));
    EXPECT_EQ(s.game.Desk[7], "");
    EXPECT_EQ(s.game.DeskNextSlot, 7);
    EXPECT_FALSE(s.view.picDesk[7].Visible);
    EXPECT_EQ(s.view.picDesk[3].Picture, "apr_0.bmp");

    RemoveHandCard(s, HumanSide, 2);
    EXPECT_EQ(Cards(s.game.PlayerHand),
              (std::vector<std::string>{"jan_20.bmp", "apr_10.bmp", "jul_5.bmp", "nov_0.bmp"}));
    EXPECT_EQ(s.game.HandCount[HumanSide], 4);
    EXPECT_FALSE(s.view.picHand[5].Visible);
    EXPECT_EQ(s.view.picHand[2].Picture, "apr_10.bmp");

    RemoveHandCard(s, ComputerSide, 1);
    EXPECT_EQ(Cards(s.game.CPUHand), (std::vector<std::string>{"jun_0.bmp", "sep_0.bmp"}));
    EXPECT_EQ(s.game.HandCount[ComputerSide], 2);
    EXPECT_EQ(s.view.picComp[2].Picture, "back.bmp");
    EXPECT_FALSE(s.view.picComp[3].Visible);

    LayCardOnDesk(s, "mar_5.bmp");
    EXPECT_EQ(s.game.Desk[3], "mar_5.bmp");
    EXPECT_EQ(s.game.DeskNextSlot, 8);
    EXPECT_EQ(s.view.picDesk[3].Picture, "mar_5.bmp");
    EXPECT_TRUE(s.view.picDesk[7].Visible);
}

TEST_F(MatchingTest, H0LaysTheCardOnTheDeskWithOneDownSound) {
    Start(HumanTurn());
    picHand_MouseMove(s, 2);
    picHand_Click(s, 2);
    EXPECT_EQ(host.CallsBefore("Play 1"), std::vector<std::string>{Down});
    const test::Snapshot& after = AfterHumanPlay();
    EXPECT_EQ(host.Calls[static_cast<std::size_t>(host.Find("Play 1"))], "Play 1 mar_1.bmp -");
    EXPECT_EQ(Cards(after.game.Desk),
              (std::vector<std::string>{"jan_1.bmp", "mar_1.bmp", "apr_5.bmp", "apr_0.bmp",
                                        "aug_20.bmp", "oct_10.bmp"}));
    EXPECT_EQ(after.game.DeskNextSlot, 7);
    EXPECT_EQ(after.game.HandCount[HumanSide], 4);
    EXPECT_EQ(after.game.PlayerScore, 0);
    EXPECT_EQ(after.game.SelectedHandSlot, 0);
    EXPECT_EQ(after.view.picDesk[2].Picture, "mar_1.bmp");
    EXPECT_FALSE(test::AnyMarker(after.view));
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 0);
    EXPECT_TRUE(IsConsistent(after.game));
}

TEST_F(MatchingTest, H0PlaysTheSelectedCardWhicheverHandSlotIsClicked) {
    Start(HumanTurn());
    picHand_MouseMove(s, 2);
    picHand_Click(s, 4);
    EXPECT_EQ(host.Calls[static_cast<std::size_t>(host.Find("Play 1"))], "Play 1 mar_1.bmp -");
}

TEST_F(MatchingTest, H1TakesTheDeskCardThenTheHandCardWithTwoUpSounds) {
    Start(HumanTurn());
    picHand_MouseMove(s, 1);
    picHand_Click(s, 1);
    ASSERT_GE(host.Calls.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(host.Calls.begin(), host.Calls.begin() + 7),
              (std::vector<std::string>{Up, Up, "Play 1 jan_20.bmp jan_1.bmp", Down, "Pause 1",
                                        Down, "Draw 1 may_0.bmp -"}));
    // First sound: the desk card is stored and gone, the hand card still held.
    const test::Snapshot& first = host.At(0);
    EXPECT_EQ(first.game.CapturedPiles[1][1][3], "jan_1.bmp");
    EXPECT_EQ(first.game.CapturedPiles[1][1][1], "");
    EXPECT_EQ(test::SlotOf(first.game.Desk, "jan_1.bmp"), 0);
    EXPECT_EQ(first.game.PlayerHand[1], "jan_20.bmp");
    EXPECT_TRUE(first.view.MonthPiles[1][3].Visible);
    EXPECT_EQ(first.view.MonthPiles[1][3].Picture, "jan_1.bmp");
    // Second sound: the hand card is stored and the score shows both values.
    const test::Snapshot& second = host.At(1);
    EXPECT_EQ(second.game.CapturedPiles[1][1][1], "jan_20.bmp");
    EXPECT_EQ(test::SlotOf(second.game.PlayerHand, "jan_20.bmp"), 0);
    EXPECT_EQ(second.game.PlayerScore, 20);
    EXPECT_EQ(second.view.lblPlayer, " 20");
    EXPECT_EQ(second.view.MonthPiles[1][1].Picture, "jan_20.bmp");

    const test::Snapshot& after = AfterHumanPlay();
    EXPECT_EQ(Cards(after.game.Desk),
              (std::vector<std::string>{"apr_5.bmp", "apr_0.bmp", "aug_20.bmp", "oct_10.bmp"}));
    EXPECT_EQ(after.game.DeskNextSlot, 5);
    EXPECT_EQ(after.game.HandCount[HumanSide], 4);
    EXPECT_EQ(after.game.SelectedHandSlot, 0);
    EXPECT_FALSE(after.game.MatchPending);
    EXPECT_FALSE(test::AnyMarker(after.view));
    for (const CardPlace& place : after.view.picDesk)
        EXPECT_FALSE(place.Enabled);
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 2);
    EXPECT_TRUE(IsConsistent(after.game));
}

TEST_F(MatchingTest, H2TakesTheClickedOfTwoMatchesSilently) {
    Start(HumanTurn());
    picHand_MouseMove(s, 3);
    picDesk_Click(s, 3);
    EXPECT_EQ(host.Calls.at(0), "Play 1 apr_10.bmp apr_0.bmp");
    const test::Snapshot& after = host.At(0);
    EXPECT_EQ(after.game.CapturedPiles[1][4][1], "apr_10.bmp");
    EXPECT_EQ(after.game.CapturedPiles[1][4][4], "apr_0.bmp");
    EXPECT_EQ(after.game.CapturedPiles[1][4][2], "");
    EXPECT_EQ(after.game.PlayerScore, 10);
    EXPECT_EQ(after.view.lblPlayer, " 10");
    EXPECT_EQ(Cards(after.game.Desk),
              (std::vector<std::string>{"jan_1.bmp", "apr_5.bmp", "aug_20.bmp", "oct_10.bmp"}));
    EXPECT_TRUE(after.view.MonthPiles[4][1].Visible);
    EXPECT_TRUE(after.view.MonthPiles[4][4].Visible);
    EXPECT_FALSE(after.view.MonthPiles[4][2].Visible);
    for (const CardPlace& place : after.view.picDesk)
        EXPECT_FALSE(place.Enabled);
    EXPECT_FALSE(test::AnyMarker(after.view));
    EXPECT_TRUE(IsConsistent(after.game));
}

TEST_F(MatchingTest, H2AlsoTakesTheOnlyMatchWhenItsDeskCardIsClicked) {
    Start(HumanTurn());
    picHand_MouseMove(s, 1);
    picDesk_Click(s, 1);
    EXPECT_EQ(host.Calls.at(0), "Play 1 jan_20.bmp jan_1.bmp");
    EXPECT_EQ(host.At(0).game.PlayerScore, 20);
}

TEST_F(MatchingTest, H3TakesAllThreeSilentlyAndTestsTheMeldsOnce) {
    Layout layout;
    layout.player = {"may_0.bmp", "jan_0.bmp"};
    layout.cpu = {"sep_0.bmp"};
    layout.desk = {"may_10.bmp", "may_5.bmp", "may_1.bmp", "jul_0.bmp"};
    layout.pile = {"oct_0.bmp"};
    Start(layout);
    ASSERT_EQ(s.game.PlayerHand[2], "may_0.bmp");
    picHand_MouseMove(s, 2);
    EXPECT_TRUE(s.view.picShape[1] && s.view.picShape[2] && s.view.picShape[3]);
    EXPECT_FALSE(s.view.picShape[4]);
    picHand_Click(s, 2);
    const int meld = host.Find("Meld");
    const int play = host.Find("Play 1");
    ASSERT_EQ(meld, 0);
    ASSERT_EQ(play, 1);
    EXPECT_EQ(host.Calls[0], "Meld Player has Shoubu Complete (May), +20 points");
    EXPECT_EQ(host.Calls[1], "Play 1 may_0.bmp may_10.bmp,may_5.bmp,may_1.bmp");
    EXPECT_EQ(host.Count("Meld"), 1);
    // The meld's points are in the score before the dialog; the label follows after it.
    EXPECT_EQ(host.At(meld).game.PlayerScore, 35);
    EXPECT_EQ(host.At(meld).view.lblPlayer, " 15");
    const test::Snapshot& after = host.At(play);
    EXPECT_EQ(after.view.lblPlayer, " 35");
    EXPECT_EQ(Cards(after.game.Desk), std::vector<std::string>{"jul_0.bmp"});
    EXPECT_EQ(after.game.DeskNextSlot, 2);
    EXPECT_EQ(after.game.MeldFlags[1][3], 1);
    for (int rank = 1; rank <= 4; ++rank)
        EXPECT_TRUE(after.view.MonthPiles[5][rank].Visible) << rank;
    EXPECT_FALSE(test::AnyMarker(after.view));
    EXPECT_EQ(after.game.SelectedHandSlot, 0);
    EXPECT_TRUE(IsConsistent(after.game));

    const MeldInfo& info = host.Melds.at(0);
    EXPECT_EQ(info[1], "may_10.bmp");
    EXPECT_EQ(info[2], "may_5.bmp");
    EXPECT_EQ(info[3], "may_1.bmp");
    EXPECT_EQ(info[4], "may_0.bmp");
    EXPECT_EQ(info[5], "");
    EXPECT_EQ(info[7], "20");
}

TEST_F(MatchingTest, SoundsOffMakesThePlaysSilent) {
    Start(HumanTurn());
    s.options.SoundEffectsOn = false;
    picHand_MouseMove(s, 1);
    picHand_Click(s, 1);
    EXPECT_TRUE(host.Sounds.empty());
    EXPECT_EQ(host.At(host.Find("Play 1")).game.PlayerScore, 20);
}

}  // namespace
}  // namespace vm

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
using test::Names;
using test::Split;

const std::string Up = "Sound /prog/Card_up.wav";
const std::string Down = "Sound /prog/Card_down.wav";

// Hand: 1 jan_20 (one match), 2 mar_1 (none), 3 apr_10 (two), 4 jul_5, 5 nov_0 (none).
// Desk: 1 jan_1, 2 apr_5, 3 apr_0, 4 aug_20, 5 oct_10. The human draws may_0 next, which
// matches nothing.
const Layout HumanTurn = {.player = Split("jan_20 mar_1 apr_10 jul_5 nov_0"),
                          .cpu = Split("feb_0 jun_0 sep_0"),
                          .desk = Split("jan_1 apr_5 apr_0 aug_20 oct_10"),
                          .pile = Split("may_0 dec_0")};

class MatchingTest : public ::testing::Test {
  protected:
    void Start(const Layout& layout = HumanTurn) {
        test::PrepareSession(s, host, 1);
        test::SetUpTable(s, layout);
        NextTurn(s);
        host.Clear();
    }
    // The table right after the human's hand play, before the pile draw.
    const test::Snapshot& AfterPlay() {
        const test::Snapshot& after = host.At("Play 1");
        EXPECT_TRUE(IsConsistent(after.game));
        EXPECT_EQ(after.game.SelectedHandSlot, 0);
        EXPECT_FALSE(after.game.MatchPending);
        EXPECT_FALSE(test::AnyMarker(after.view));
        EXPECT_EQ(test::EnabledPlaces(after.view.picDesk), 0);
        return after;
    }

    test::ScriptedHost host;
    Session s{host};
};

TEST(FindDeskMatches, ListsAscendingSlotsClearsOldEntriesAndNeverWritesAFourth) {
    Game game;
    game.Desk[2] = "jan_20.bmp";
    game.Desk[3] = "feb_0.bmp";
    game.Desk[5] = "jan_5.bmp";
    game.DeskMatchSlots.Fill(9);
    EXPECT_EQ(FindDeskMatches(game, 1), 2);
    EXPECT_EQ(test::All(game.DeskMatchSlots), (std::vector<std::int16_t>{2, 5, 0}));
    EXPECT_EQ(FindDeskMatches(game, 4), 0);
    EXPECT_EQ(test::All(game.DeskMatchSlots), (std::vector<std::int16_t>{0, 0, 0}));
    EXPECT_EQ(FindDeskMatches(game, 13), 0);  // empty slots never match
    game.Desk[9] = "jan_1.bmp";
    game.Desk[16] = "jan_0.bmp";
    EXPECT_EQ(FindDeskMatches(game, 1), 4);
    EXPECT_EQ(test::All(game.DeskMatchSlots), (std::vector<std::int16_t>{2, 5, 9}));
}

TEST_F(MatchingTest, RemovingCardsKeepsRowsCompactAndDrawn) {
    Layout layout = HumanTurn;
    layout.desk = Split("jan_1 feb_5 apr_5 apr_0 aug_20 oct_10 nov_10");
    Start(layout);
    RemoveDeskCard(s, 3);
    EXPECT_EQ(Cards(s.game.Desk), Split("jan_1 feb_5 apr_0 aug_20 oct_10 nov_10"));
    EXPECT_EQ(s.game.Desk[7], "");
    EXPECT_EQ(s.game.DeskNextSlot, 7);
    EXPECT_FALSE(s.view.picDesk[7].Visible);
    EXPECT_EQ(s.view.picDesk[3].Picture, "apr_0.bmp");
    RemoveHandCard(s, HumanSide, 2);
    EXPECT_EQ(Cards(s.game.PlayerHand), Split("jan_20 apr_10 jul_5 nov_0"));
    EXPECT_EQ(s.game.HandCount[HumanSide], 4);
    EXPECT_FALSE(s.view.picHand[5].Visible);
    EXPECT_EQ(s.view.picHand[2].Picture, "apr_10.bmp");
    RemoveHandCard(s, ComputerSide, 1);
    EXPECT_EQ(Cards(s.game.CPUHand), Split("jun_0 sep_0"));
    EXPECT_EQ(s.game.HandCount[ComputerSide], 2);
    EXPECT_FALSE(s.view.picComp[3].Visible);
}

TEST_F(MatchingTest, H0LaysTheSelectedCardOnTheDeskWithOneDownSound) {
    Start();
    picHand_MouseMove(s, 2);
    picHand_Click(s, 4);  // any hand click plays the selected card
    EXPECT_EQ(Names(host.Calls.begin(), host.Calls.begin() + 2),
              (Names{Down, "Play 1 mar_1.bmp -"}));
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(Cards(after.game.Desk), Split("jan_1 mar_1 apr_5 apr_0 aug_20 oct_10"));
    EXPECT_EQ(after.view.picDesk[2].Picture, "mar_1.bmp");
    EXPECT_EQ(after.game.DeskNextSlot, 7);
    EXPECT_EQ(after.game.HandCount[HumanSide], 4);
    EXPECT_EQ(after.game.PlayerScore, 0);
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 0);
}

TEST_F(MatchingTest, H1StoresTheDeskCardThenTheHandCardWithAnUpSoundEach) {
    Start();
    picHand_MouseMove(s, 1);
    picHand_Click(s, 1);
    EXPECT_EQ(Names(host.Calls.begin(), host.Calls.begin() + 7),
              (Names{Up, Up, "Play 1 jan_20.bmp jan_1.bmp", Down, "Pause 1", Down,
                     "Draw 1 may_0.bmp -"}));
    // First sound: the desk card is stored, shown and gone, the hand card still held.
    const test::Snapshot& first = host.At(0);
    EXPECT_EQ(first.game.CapturedPiles[1][1][3], "jan_1.bmp");
    EXPECT_EQ(first.game.CapturedPiles[1][1][1], "");
    EXPECT_EQ(first.game.Desk[1], "apr_5.bmp");
    EXPECT_EQ(first.game.PlayerHand[1], "jan_20.bmp");
    EXPECT_TRUE(first.view.MonthPiles[1][3].Visible);
    // Second sound: the hand card is stored and the score shows both values.
    const test::Snapshot& second = host.At(1);
    EXPECT_EQ(second.game.CapturedPiles[1][1][1], "jan_20.bmp");
    EXPECT_EQ(second.game.PlayerHand[1], "mar_1.bmp");
    EXPECT_EQ(second.view.lblPlayer, " 20");
    EXPECT_EQ(second.view.MonthPiles[1][1].Picture, "jan_20.bmp");
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(Cards(after.game.Desk), Split("apr_5 apr_0 aug_20 oct_10"));
    EXPECT_EQ(after.game.DeskNextSlot, 5);
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 2);
}

TEST_F(MatchingTest, H2TakesTheClickedDeskCardSilently) {
    Start();
    picHand_MouseMove(s, 3);
    picDesk_Click(s, 3);
    EXPECT_EQ(host.Calls.at(0), "Play 1 apr_10.bmp apr_0.bmp");
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(test::All(after.game.CapturedPiles[1][4]), Split("apr_10 - - apr_0"));
    EXPECT_EQ(after.view.lblPlayer, " 10");
    EXPECT_EQ(Cards(after.game.Desk), Split("jan_1 apr_5 aug_20 oct_10"));
    EXPECT_TRUE(after.view.MonthPiles[4][1].Visible && after.view.MonthPiles[4][4].Visible);
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 2);
    // The desk card of a single match may be clicked as well.
    Start();
    picHand_MouseMove(s, 1);
    picDesk_Click(s, 1);
    EXPECT_EQ(host.Calls.at(0), "Play 1 jan_20.bmp jan_1.bmp");
}

TEST_F(MatchingTest, H3TakesAllThreeSilentlyAndTestsTheMeldsOnce) {
    Start({.player = Split("may_0 jan_0"),
           .cpu = Split("sep_0"),
           .desk = Split("may_10 may_5 may_1 jul_0"),
           .pile = Split("oct_0")});
    picHand_MouseMove(s, 2);
    EXPECT_EQ(test::All(s.view.picShape),
              (std::vector<bool>{1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    picHand_Click(s, 2);
    EXPECT_EQ(Names(host.Calls.begin(), host.Calls.begin() + 2),
              (Names{"Meld Player has Shoubu Complete (May), +20 points",
                     "Play 1 may_0.bmp may_10.bmp,may_5.bmp,may_1.bmp"}));
    EXPECT_EQ(host.Count("Meld"), 1);
    // The meld's points are in the score before the dialog; the label follows after it.
    EXPECT_EQ(host.At(0).game.PlayerScore, 35);
    EXPECT_EQ(host.At(0).view.lblPlayer, " 15");
    EXPECT_EQ(test::All(host.Melds.at(0)),
              test::MeldEntries("may_10 may_5 may_1 may_0",
                                "Player has Shoubu Complete (May), +20 points", "20"));
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(after.view.lblPlayer, " 35");
    EXPECT_EQ(Cards(after.game.Desk), Split("jul_0"));
    EXPECT_EQ(after.game.DeskNextSlot, 2);
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 4);
}

TEST_F(MatchingTest, WithSoundsOffTheWholeRoundIsSilent) {
    Start();
    s.options.SoundEffectsOn = false;
    picHand_MouseMove(s, 1);
    picHand_Click(s, 1);
    // The human's capture and draw, then the computer's play and draw.
    EXPECT_EQ(host.Count("Play") + host.Count("Draw"), 4);
    EXPECT_EQ(host.Count("Sound"), 0);
    EXPECT_EQ(host.At("Play 1").view.lblPlayer, " 20");
}

}  // namespace
}  // namespace vm

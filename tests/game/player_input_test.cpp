#include "game/player_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/matching.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Layout;
using test::ScriptedHost;

// Hand: 1 jan_20 (one match: desk 1), 2 mar_1 (none), 3 apr_10 (two: desk 2 and 3),
// 4 jul_5 (none), 5 nov_0 (none). Desk: 1 jan_1, 2 apr_5, 3 apr_0, 4 aug_20, 5 oct_10.
Layout HumanTurn() {
    Layout layout;
    layout.player = {"jan_20.bmp", "mar_1.bmp", "apr_10.bmp", "jul_5.bmp", "nov_0.bmp"};
    layout.cpu = {"feb_0.bmp", "jun_0.bmp", "sep_0.bmp"};
    layout.desk = {"jan_1.bmp", "apr_5.bmp", "apr_0.bmp", "aug_20.bmp", "oct_10.bmp"};
    layout.pile = {"may_0.bmp", "dec_0.bmp"};
    return layout;
}

class PlayerInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::PrepareSession(s, host, 1);
        test::SetUpTable(s, HumanTurn());
        NextTurn(s);
        host.Clear();
    }
    // True when the handler call changed nothing and asked nothing of the host.
    template <typename Action>
    ::testing::AssertionResult ChangesNothing(Action action) {
        const Game before = s.game;
        const TableView viewBefore = s.view;
        const std::size_t calls = host.Calls.size();
        action();
        if (!test::SamePlayState(before, s.game))
            return ::testing::AssertionFailure() << "game changed";
        if (!(viewBefore == s.view))
            return ::testing::AssertionFailure() << "table view changed";
        if (host.Calls.size() != calls)
            return ::testing::AssertionFailure() << "host called: " << host.Calls.back();
        return ::testing::AssertionSuccess();
    }
    int EnabledDeskSlots() const {
        int n = 0;
        for (const CardPlace& place : s.view.picDesk)
            n += place.Enabled ? 1 : 0;
        return n;
    }

    ScriptedHost host;
    Session s{host};
};

TEST_F(PlayerInputTest, TheHumansTurnBeginsWithEveryCardClickableAndNothingSelected) {
    EXPECT_TRUE(s.game.PlayerMayAct);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(s.view.picHand[slot].Enabled, slot <= 5) << slot;
    EXPECT_EQ(EnabledDeskSlots(), 0);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
}

TEST_F(PlayerInputTest, NothingSelectedClicksDoNothing) {
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 1); }));
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 2); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 1); }));
}

TEST_F(PlayerInputTest, PointingSelectsAndMarksTheCardAndExactlyItsMatches) {
    picHand_MouseMove(s, 3);
    EXPECT_EQ(s.game.SelectedHandSlot, 3);
    EXPECT_TRUE(s.game.MatchPending);
    EXPECT_TRUE(s.view.picHandShape[3]);
    EXPECT_EQ(test::CountTrue(s.view.picHandShape), 1);
    EXPECT_TRUE(s.view.picShape[2]);
    EXPECT_TRUE(s.view.picShape[3]);
    EXPECT_EQ(test::CountTrue(s.view.picShape), 2);
    EXPECT_TRUE(s.view.picDesk[2].Enabled);
    EXPECT_TRUE(s.view.picDesk[3].Enabled);
    EXPECT_EQ(EnabledDeskSlots(), 2);
    EXPECT_TRUE(host.Calls.empty());

    picHand_MouseMove(s, 2);
    EXPECT_EQ(s.game.SelectedHandSlot, 2);
    EXPECT_FALSE(s.game.MatchPending);
    EXPECT_TRUE(s.view.picHandShape[2]);
    EXPECT_EQ(test::CountTrue(s.view.picHandShape), 1);
    EXPECT_EQ(test::CountTrue(s.view.picShape), 0);
    EXPECT_EQ(EnabledDeskSlots(), 0);
}

TEST_F(PlayerInputTest, FromTwoMatchesToNoneThenAClickLaysTheNewCard) {
    picHand_MouseMove(s, 3);
    picHand_MouseMove(s, 2);
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 2); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 3); }));
    picHand_Click(s, 2);
    EXPECT_EQ(host.Calls.at(static_cast<std::size_t>(host.Find("Play 1"))), "Play 1 mar_1.bmp -");
}

TEST_F(PlayerInputTest, OnlyTheLatestCardsMatchesAcceptAClick) {
    picHand_MouseMove(s, 1);
    EXPECT_TRUE(s.view.picDesk[1].Enabled);
    picHand_MouseMove(s, 3);
    EXPECT_FALSE(s.view.picDesk[1].Enabled);
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 1); }));
    picDesk_Click(s, 2);
    EXPECT_EQ(host.Calls.at(0), "Play 1 apr_10.bmp apr_5.bmp");
}

TEST_F(PlayerInputTest, TwoMatchesWaitForADeskClick) {
    picHand_MouseMove(s, 3);
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 3); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 1); }));  // unmarked
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 4); }));  // unmarked
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 9); }));  // empty
    picDesk_Click(s, 2);
    EXPECT_EQ(host.Calls.at(0), "Play 1 apr_10.bmp apr_5.bmp");
}

TEST_F(PlayerInputTest, OneMatchClickOnTheHandCaptures) {
    picHand_MouseMove(s, 1);
    picHand_Click(s, 1);
    EXPECT_EQ(host.Calls.at(0), "Sound /prog/Card_up.wav");
    EXPECT_EQ(host.Calls.at(1), "Sound /prog/Card_up.wav");
    EXPECT_EQ(host.Calls.at(2), "Play 1 jan_20.bmp jan_1.bmp");
}

TEST_F(PlayerInputTest, PointingAgainAtTheSelectedCardRepeatsNothing) {
    picHand_MouseMove(s, 3);
    // Disturb what a repeated search and re-marking would restore.
    s.game.DeskMatchSlots[1] = 9;
    s.view.picShape[2] = false;
    EXPECT_TRUE(ChangesNothing([&] { picHand_MouseMove(s, 3); }));
    EXPECT_EQ(s.game.DeskMatchSlots[1], 9);
    EXPECT_FALSE(s.view.picShape[2]);
}

TEST_F(PlayerInputTest, EveryInputIsIgnoredWhileThePlayerMayNotAct) {
    s.game.PlayerMayAct = false;
    EXPECT_TRUE(ChangesNothing([&] { picHand_MouseMove(s, 1); }));
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 1); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 1); }));
}

TEST_F(PlayerInputTest, InputDuringThePileDrawAndTheComputersTurnChangesNothing) {
    int pauses = 0;
    host.OnPause = [&](double) {
        ++pauses;
        EXPECT_FALSE(s.game.PlayerMayAct);
        // The hand stops accepting clicks when the computer's turn begins.
        if (pauses >= 2) {
            for (int slot = 1; slot <= 10; ++slot)
                EXPECT_FALSE(s.view.picHand[slot].Enabled) << "pause " << pauses;
        }
        EXPECT_TRUE(ChangesNothing([&] {
            for (int slot = 1; slot <= 5; ++slot) {
                picHand_MouseMove(s, slot);
                picHand_Click(s, slot);
            }
            for (int slot = 1; slot <= 16; ++slot)
                picDesk_Click(s, slot);
        })) << "pause "
            << pauses;
    };
    picHand_MouseMove(s, 2);
    picHand_Click(s, 2);
    // The human's draw, the computer's reveal and the computer's draw.
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(host.Count("Play"), 2);
    EXPECT_EQ(host.Count("Draw"), 2);
}

TEST_F(PlayerInputTest, TheNextTurnBeginsWithNoCardMarked) {
    picHand_MouseMove(s, 3);
    picDesk_Click(s, 3);
    ASSERT_TRUE(s.game.PlayerMayAct);
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
    EXPECT_FALSE(s.game.MatchPending);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(EnabledDeskSlots(), 0);
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(s.view.picHand[slot].Enabled, !s.game.PlayerHand[slot].empty()) << slot;
    }
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 1); }));
}

TEST(PlayerInput, NoGameDealtIgnoresEveryInput) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 1);
    ResetTable(s);
    const TableView before = s.view;
    picHand_MouseMove(s, 1);
    picHand_Click(s, 1);
    picDesk_Click(s, 1);
    EXPECT_EQ(s.view, before);
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
}

TEST_F(PlayerInputTest, MarkerAndClickabilityHelpers) {
    picHand_MouseMove(s, 3);
    HideMarkers(s);
    EXPECT_FALSE(test::AnyMarker(s.view));
    // Hiding the markers leaves clickability alone.
    EXPECT_EQ(EnabledDeskSlots(), 2);
    DisablePlayerHand(s, 4);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(s.view.picHand[slot].Enabled, slot == 4) << slot;
    DisablePlayerHand(s, 0);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_FALSE(s.view.picHand[slot].Enabled) << slot;
    EnablePlayerHand(s);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(s.view.picHand[slot].Enabled, slot <= 5) << slot;
}

}  // namespace
}  // namespace vm

#include "game/player_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/matching.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::EnabledPlaces;

class PlayerInputTest : public ::testing::Test {
  protected:
    // Hand: 1 jan_20 (one match: desk 1), 2 mar_1 (none), 3 apr_10 (two: desk 2 and 3),
    // 4 jul_5 (none), 5 nov_0 (none). Desk: 1 jan_1, 2 apr_5, 3 apr_0, 4 aug_20, 5 oct_10.
    void SetUp() override {
        test::Layout layout;
        layout.player = {"jan_20.bmp", "mar_1.bmp", "apr_10.bmp", "jul_5.bmp", "nov_0.bmp"};
        layout.cpu = {"feb_0.bmp", "jun_0.bmp", "sep_0.bmp"};
        layout.desk = {"jan_1.bmp", "apr_5.bmp", "apr_0.bmp", "aug_20.bmp", "oct_10.bmp"};
        layout.pile = {"may_0.bmp", "dec_0.bmp"};
        test::PrepareSession(s, host, 1);
        test::SetUpTable(s, layout);
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
    void ExpectSelected(int handSlot, std::vector<int> marked) {
        EXPECT_EQ(s.game.SelectedHandSlot, handSlot);
        EXPECT_EQ(s.game.MatchPending, !marked.empty());
        EXPECT_TRUE(s.view.picHandShape[handSlot]);
        EXPECT_EQ(test::CountTrue(s.view.picHandShape), 1);
        EXPECT_EQ(test::CountTrue(s.view.picShape), static_cast<int>(marked.size()));
        EXPECT_EQ(EnabledPlaces(s.view.picDesk), static_cast<int>(marked.size()));
        for (int slot : marked)
            EXPECT_TRUE(s.view.picShape[slot] && s.view.picDesk[slot].Enabled) << slot;
    }

    test::ScriptedHost host;
    Session s{host};
};

TEST_F(PlayerInputTest, ClicksThatDoNotFitTheSelectionChangeNothing) {
    // Nothing selected yet.
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 1); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 1); }));
    // The player may not act: even pointing does nothing.
    s.game.PlayerMayAct = false;
    EXPECT_TRUE(ChangesNothing([&] { picHand_MouseMove(s, 1); }));
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 1); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 1); }));
    s.game.PlayerMayAct = true;

    picHand_MouseMove(s, 1);
    ExpectSelected(1, {1});
    picHand_MouseMove(s, 3);
    ExpectSelected(3, {2, 3});
    EXPECT_TRUE(host.Calls.empty());
    // Two matches wait for a click on one of them: not the hand card, not an unmarked or
    // empty desk place, not the match of the card pointed at before.
    for (int slot : {1, 4, 9}) {
        EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, slot); })) << slot;
    }
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 3); }));
    // Pointing again at the selected card repeats nothing: what a new search and re-marking
    // would restore stays disturbed.
    s.game.DeskMatchSlots[1] = 9;
    s.view.picShape[2] = false;
    EXPECT_TRUE(ChangesNothing([&] { picHand_MouseMove(s, 3); }));
    s.game.DeskMatchSlots[1] = 2;
    s.view.picShape[2] = true;

    picDesk_Click(s, 2);
    EXPECT_EQ(host.Calls.at(0), "Play 1 apr_10.bmp apr_5.bmp");
}

TEST_F(PlayerInputTest, FromTwoMatchesToNoneOnlyTheNewCardIsMarkedAndAClickLaysIt) {
    picHand_MouseMove(s, 3);
    picHand_MouseMove(s, 2);
    ExpectSelected(2, {});
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 2); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 3); }));
    picHand_Click(s, 2);
    EXPECT_EQ(host.Line("Play 1"), "Play 1 mar_1.bmp -");
}

TEST_F(PlayerInputTest, InputDuringThePileDrawAndTheComputersTurnChangesNothing) {
    int pauses = 0;
    host.OnPause = [&] {
        ++pauses;
        EXPECT_FALSE(s.game.PlayerMayAct);
        // The hand stops accepting clicks when the computer's turn begins.
        if (pauses >= 2) {
            EXPECT_EQ(EnabledPlaces(s.view.picHand), 0) << "pause " << pauses;
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

    // The human's next turn begins with every card clickable and nothing selected.
    ASSERT_TRUE(s.game.PlayerMayAct);
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
    EXPECT_FALSE(s.game.MatchPending);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(EnabledPlaces(s.view.picDesk), 0);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(s.view.picHand[slot].Enabled, !s.game.PlayerHand[slot].empty()) << slot;
    EXPECT_EQ(EnabledPlaces(s.view.picHand), 4);
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 1); }));
}

TEST_F(PlayerInputTest, MarkerAndClickabilityHelpers) {
    picHand_MouseMove(s, 3);
    HideMarkers(s);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(EnabledPlaces(s.view.picDesk), 2);  // clickability is left alone
    DisablePlayerHand(s, 4);
    EXPECT_EQ(EnabledPlaces(s.view.picHand), 1);
    EXPECT_TRUE(s.view.picHand[4].Enabled);
    DisablePlayerHand(s, 0);
    EXPECT_EQ(EnabledPlaces(s.view.picHand), 0);
    EnablePlayerHand(s);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(s.view.picHand[slot].Enabled, slot <= 5) << slot;
}

TEST(PlayerInput, NoGameDealtIgnoresEveryInput) {
    test::ScriptedHost host;
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

}  // namespace
}  // namespace vm

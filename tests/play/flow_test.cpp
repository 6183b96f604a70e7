#include "play/flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/player_input.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Layout;
using test::ScriptedHost;

// A seed whose first draw makes `side` move first and whose first deal is accepted.
std::uint64_t SeedWhereFirstMoverIs(int side) {
    for (std::uint64_t seed = 1;; ++seed) {
        Random rng(seed);
        if (static_cast<int>(2 * rng.Next()) + 1 != side)
            continue;
        ScriptedHost host;
        Session s(host);
        test::PrepareSession(s, host, 0);
        s.game.Rng = Random(seed);
        NewGame(s);
        if (host.Messages.empty())
            return seed;
    }
}

// The table a player sees when no game runs.
void ExpectClearedTable(const Session& s) {
    EXPECT_FALSE(s.game.GameInProgress || s.view.Menu.mnuAbort.Enabled);
    EXPECT_EQ(s.view.lblPlayer + s.view.lblCPU + s.view.lblCards[1] + s.view.lblCards[2], " 0 000");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(test::CountPlaces(s.view.picHand, &CardPlace::Visible) +
                  test::CountPlaces(s.view.picComp, &CardPlace::Visible) +
                  test::CountPlaces(s.view.picDesk, &CardPlace::Visible) +
                  test::CountPlaces(s.view.picHand, &CardPlace::Enabled) +
                  test::CountPlaces(s.view.picDesk, &CardPlace::Enabled),
              0);
}

// The side to move makes the game's last draw, whose card completes a meld; the other side
// holds every other card: 235 card points and five melds worth 150.
class LastTurnTest : public ::testing::TestWithParam<int> {};

TEST_P(LastTurnTest, TheLastPileCardsMeldIsAnnouncedThenTheScoreboardEndsTheGame) {
    const int side = GetParam();
    const bool human = side == HumanSide;
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 1);
    Layout layout = {.desk = test::Split("may_1"),
                     .pile = test::Split("may_0"),
                     .rest = human ? test::Rest::ComputerGrid : test::Rest::HumanGrid,
                     .turnSide = side};
    (human ? layout.player : layout.cpu) = test::Split("jan_0");
    (human ? layout.humanGrid : layout.cpuGrid) = test::Split("may_10 may_5");
    test::SetUpTable(s, layout);
    host.Clear();
    NextTurn(s);
    if (human) {
        picHand_MouseMove(s, 1);
        picHand_Click(s, 1);
    }
    const auto meld = host.Calls.begin() + host.Find("Meld");
    EXPECT_EQ(std::vector<std::string>(meld, meld + 3),
              (std::vector<std::string>{"Meld " + std::string(human ? "Player" : "Computer") +
                                            " has Shoubu Complete (May), +20 points",
                                        "Draw " + std::to_string(side) + " may_0.bmp may_1.bmp",
                                        "Scoreboard"}));
    EXPECT_EQ(host.Count("Scoreboard"), 1);
    // The totals are the running scores the table showed.
    const ScoreboardView& view = host.Scoreboards.at(0);
    EXPECT_EQ(view.Player.TotalLabel, human ? "Loser  35" : "Winner  385");
    EXPECT_EQ(view.CPU.TotalLabel, human ? " 385 Winner" : " 35 Loser");
    EXPECT_EQ(host.At("Scoreboard").view.lblPlayer, human ? " 35" : " 385");
    EXPECT_EQ(host.At("Scoreboard").view.lblCPU, human ? " 385" : " 35");
    EXPECT_EQ(s.game.GameResult, human ? GameResult::ComputerWins : GameResult::HumanWins);
    ExpectClearedTable(s);
    EXPECT_FALSE(s.game.LastDrawDone);
}

INSTANTIATE_TEST_SUITE_P(BySide, LastTurnTest, ::testing::Values(HumanSide, ComputerSide));

TEST(NewGame, DuringAGameCarriesNothingOverAndStartsWithNothingSelected) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    test::SetUpTable(
        s, {.player = test::Split("jan_20 apr_10"),
            .cpu = test::Split("feb_0"),
            .desk = test::Split("jan_1 feb_10 mar_5 apr_5 apr_0 may_0 jun_0 jul_0 aug_0 sep_0"),
            .humanGrid = test::Split("dec_20 dec_10 dec_5 dec_0"),
            .cpuGrid = test::Split("may_10")});
    ShowCapturedView(s.game, s.view, HumanSide);
    NextTurn(s);
    picHand_MouseMove(s, 2);  // apr_10: two matches marked, a selection pending
    ASSERT_TRUE(s.game.MatchPending);
    ASSERT_EQ(s.game.MeldFlags[1][5], 1);

    s.game.Rng = Random(SeedWhereFirstMoverIs(HumanSide));
    host.Clear();
    NewGame(s);
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(s.game.CapturedPiles, decltype(s.game.CapturedPiles){});
    EXPECT_EQ(s.game.MeldFlags, decltype(s.game.MeldFlags){});
    EXPECT_EQ(s.view.lblPlayer + s.view.lblCPU, " 0 0");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
    EXPECT_FALSE(s.game.MatchPending || test::AnyMarker(s.view));
    EXPECT_EQ(test::CountPlaces(s.view.picDesk, &CardPlace::Enabled), 0);
    // The old desk of ten is gone: exactly the eight new cards.
    EXPECT_EQ(test::CountPlaces(s.view.picDesk, &CardPlace::Visible), 8);
    EXPECT_TRUE(IsConsistent(s.game));
    // The first click needs a pointer move first.
    picHand_Click(s, 2);
    EXPECT_TRUE(host.Calls.empty());
}

TEST(AbortGame, AsksFirstAndClearsTheTableOnlyOnYes) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    ResetTable(s);
    EXPECT_FALSE(ConfirmAbort(s));  // no game: Abort is disabled
    EXPECT_TRUE(host.Calls.empty());

    s.game.Rng = Random(SeedWhereFirstMoverIs(HumanSide));
    NewGame(s);
    picHand_MouseMove(s, 1);
    const Game before = s.game;
    const TableView viewBefore = s.view;
    EXPECT_FALSE(ConfirmAbort(s));
    EXPECT_EQ(host.Calls, std::vector<std::string>{"AskAbort"});
    EXPECT_EQ(test::PlayState(s.game), test::PlayState(before));
    EXPECT_EQ(s.view, viewBefore);
    EXPECT_TRUE(s.game.GameInProgress);

    host.AbortAnswer = true;
    ASSERT_TRUE(ConfirmAbort(s));
    AbortGame(s);
    ExpectClearedTable(s);
    EXPECT_FALSE(ConfirmAbort(s));  // disabled again
    EXPECT_EQ(host.Count("AskAbort"), 2);
}

}  // namespace
}  // namespace vm

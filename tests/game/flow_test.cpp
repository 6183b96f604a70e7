#include "game/flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/player_input.h"
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
        mnuNew_Click(s);
        if (host.Messages.empty())
            return seed;
    }
}

// The table a player sees when no game runs.
void ExpectClearedTable(const Session& s) {
    EXPECT_FALSE(s.game.GameInProgress);
    EXPECT_FALSE(s.view.Menu.mnuAbort.Enabled);
    EXPECT_EQ(s.view.lblPlayer, " 0");
    EXPECT_EQ(s.view.lblCPU, " 0");
    EXPECT_EQ(s.view.lblCards[1], "0");
    EXPECT_EQ(s.view.lblCards[2], "0");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(test::VisiblePlaces(s.view.picHand) + test::VisiblePlaces(s.view.picComp) +
                  test::VisiblePlaces(s.view.picDesk),
              0);
    EXPECT_EQ(test::EnabledPlaces(s.view.picHand) + test::EnabledPlaces(s.view.picDesk), 0);
}

class WholeGameTest : public ::testing::TestWithParam<int> {};

TEST_P(WholeGameTest, TwentyAlternatingTurnsThenTheScoreboard) {
    const int first = GetParam();
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    s.game.Rng = Random(SeedWhereFirstMoverIs(first));
    mnuNew_Click(s);
    // The human points at the first card and clicks as a person would.
    for (int turn = 0; turn < 12 && s.game.PlayerMayAct; ++turn) {
        picHand_MouseMove(s, 1);
        if (s.game.MatchPending && s.game.DeskMatchSlots[2] > 0)
            picDesk_Click(s, s.game.DeskMatchSlots[2]);
        else
            picHand_Click(s, 1);
    }

    ASSERT_EQ(host.Count("Scoreboard"), 1);
    ASSERT_EQ(host.Plays.size(), 40u);
    const int board = host.Find("Scoreboard");
    int n = 0;  // plays and draws seen so far
    for (int i = 0; i < board; ++i) {
        const std::string& call = host.Calls[static_cast<std::size_t>(i)];
        if (call.rfind("Play", 0) != 0 && call.rfind("Draw", 0) != 0)
            continue;
        SCOPED_TRACE(call);
        const int turn = n / 2;  // 0 to 19
        const int side = turn % 2 == 0 ? first : 3 - first;
        const PlayEvent& event = host.Plays[static_cast<std::size_t>(n)];
        EXPECT_EQ(event.Side, side);
        EXPECT_EQ(event.FromPile, n % 2 == 1);
        const test::Snapshot& after = host.At(i);
        EXPECT_TRUE(IsConsistent(after.game));
        if (event.FromPile) {
            // The drawing side has 10 - k draws left after its k-th draw.
            const int k = turn / 2 + 1;
            EXPECT_EQ(after.view.lblCards[side], " " + std::to_string(10 - k));
            EXPECT_EQ(after.game.HandCount[side], 10 - k);
            EXPECT_EQ(after.game.LastDrawDone, turn == 19);
            EXPECT_EQ(after.game.PilePosition, 30 + turn);
        }
        ++n;
    }
    EXPECT_EQ(n, 40);
    // The second mover's tenth draw is followed directly by the scoreboard.
    EXPECT_EQ(host.Calls[static_cast<std::size_t>(board - 1)].rfind(
                  "Draw " + std::to_string(3 - first), 0),
              0u);

    // The scoreboard's totals are the running scores; together they make 250 and the melds.
    const test::Snapshot& end = host.At(board);
    const ScoreboardView& view = host.Scoreboards.at(0);
    EXPECT_EQ(view.Player.GrandTotal, end.game.PlayerScore);
    EXPECT_EQ(view.CPU.GrandTotal, end.game.CPUScore);
    EXPECT_EQ(end.view.lblPlayer, " " + std::to_string(end.game.PlayerScore));
    EXPECT_EQ(end.view.lblCPU, " " + std::to_string(end.game.CPUScore));
    EXPECT_EQ(end.game.PlayerScore + end.game.CPUScore,
              250 + view.Player.MeldTotal + view.CPU.MeldTotal);
    EXPECT_EQ(s.game.GameResult, view.GameResult);
    // Afterwards the table is cleared and no game runs.
    ExpectClearedTable(s);
    EXPECT_EQ(s.game.PlayerScore, 0);
    EXPECT_FALSE(s.game.LastDrawDone);
}

INSTANTIATE_TEST_SUITE_P(FirstMover, WholeGameTest, ::testing::Values(HumanSide, ComputerSide));

TEST(GameEnd, AMeldOfTheVeryLastPileCardIsAnnouncedBeforeTheScoreboard) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 1);
    const Layout layout = {.cpu = test::Split("jan_0"),
                           .desk = test::Split("may_1"),
                           .pile = test::Split("may_0"),
                           .cpuGrid = test::Split("may_10 may_5"),
                           .rest = test::Rest::HumanGrid,
                           .turnSide = ComputerSide};
    test::SetUpTable(s, layout);
    host.Clear();
    NextTurn(s);
    const int meld = host.Find("Meld");
    EXPECT_EQ(std::vector<std::string>(host.Calls.begin() + meld, host.Calls.begin() + meld + 4),
              (std::vector<std::string>{"Meld Computer has Shoubu Complete (May), +20 points",
                                        "Draw 2 may_0.bmp may_1.bmp", "Scoreboard", "AskName"}));
    // The human holds every other card: 235 card points and five melds worth 150.
    const ScoreboardView& view = host.Scoreboards.at(0);
    EXPECT_EQ(view.Player.TotalLabel, "Winner  385");
    EXPECT_EQ(view.CPU.TotalLabel, " 35 Loser");
    EXPECT_EQ(host.At("Scoreboard").view.lblPlayer, " 385");
    EXPECT_EQ(host.At("Scoreboard").view.lblCPU, " 35");
    EXPECT_FALSE(s.game.GameInProgress);
}

TEST(NewGame, DuringAGameCarriesNothingOverAndStartsWithNothingSelected) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    const Layout layout = {
        .player = test::Split("jan_20 apr_10"),
        .cpu = test::Split("feb_0"),
        .desk =
            test::Split("jan_1 feb_10 mar_5 apr_5 apr_0 may_0 jun_0 jul_0 aug_0 sep_0 oct_0 nov_0"),
        .humanGrid = test::Split("dec_20 dec_10 dec_5 dec_0"),
        .cpuGrid = test::Split("may_10")};
    test::SetUpTable(s, layout);
    ShowCapturedView(s, HumanSide);
    NextTurn(s);
    picHand_MouseMove(s, 2);  // apr_10: two matches marked, a selection pending
    ASSERT_TRUE(s.game.MatchPending);
    ASSERT_EQ(s.game.MeldFlags[1][5], 1);

    s.game.Rng = Random(SeedWhereFirstMoverIs(HumanSide));
    host.Clear();
    mnuNew_Click(s);
    EXPECT_TRUE(host.Calls.empty());
    for (int side = 1; side <= 2; ++side) {
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(CountCapturedMonth(s.game, month, side), 0);
        for (int meld = 1; meld <= 6; ++meld)
            EXPECT_EQ(s.game.MeldFlags[side][meld], 0);
    }
    EXPECT_EQ(s.game.PlayerScore + s.game.CPUScore, 0);
    EXPECT_EQ(s.view.lblPlayer, " 0");
    EXPECT_EQ(s.view.lblCPU, " 0");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
    EXPECT_FALSE(s.game.MatchPending);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(test::EnabledPlaces(s.view.picDesk), 0);
    // The old desk of twelve is gone: exactly the eight new cards.
    EXPECT_EQ(test::Cards(s.game.Desk).size(), 8u);
    EXPECT_EQ(test::VisiblePlaces(s.view.picDesk), 8);
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
    mnuAbort_Click(s);  // no game: Abort is disabled
    EXPECT_TRUE(host.Calls.empty());

    s.game.Rng = Random(SeedWhereFirstMoverIs(HumanSide));
    mnuNew_Click(s);
    ASSERT_TRUE(s.view.Menu.mnuAbort.Enabled);
    picHand_MouseMove(s, 1);
    const Game before = s.game;
    const TableView viewBefore = s.view;
    mnuAbort_Click(s);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"AskAbort"});
    EXPECT_TRUE(test::SamePlayState(before, s.game));
    EXPECT_EQ(s.view, viewBefore);
    EXPECT_TRUE(s.game.GameInProgress);

    host.AbortAnswer = true;
    mnuAbort_Click(s);
    ExpectClearedTable(s);
    // The hands and the desk stay until the next deal overwrites them.
    EXPECT_EQ(s.game.PlayerHand, before.PlayerHand);
    EXPECT_EQ(s.game.Desk, before.Desk);
    mnuAbort_Click(s);  // disabled again
    EXPECT_EQ(host.Count("AskAbort"), 2);
}

}  // namespace
}  // namespace vm

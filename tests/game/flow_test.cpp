#include "game/flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/player_input.h"
#include "scoring/captured_piles.h"
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
        host.Detach();
        s.options.SoundEffectsOn = false;
        s.game.Rng = Random(seed);
        mnuNew_Click(s);
        if (host.Messages.empty())
            return seed;
    }
}

// Plays the human's turns by pointing at the first card and clicking as a person would.
void PlayOut(Session& s) {
    for (int turn = 0; turn < 12 && s.game.GameInProgress && s.game.PlayerMayAct; ++turn) {
        picHand_MouseMove(s, 1);
        if (s.game.MatchPending && s.game.DeskMatchSlots[2] > 0) {
            picDesk_Click(s, s.game.DeskMatchSlots[2]);
        } else {
            picHand_Click(s, 1);
        }
    }
}

class WholeGameTest : public ::testing::TestWithParam<int> {};

TEST_P(WholeGameTest, TwentyAlternatingTurnsThenTheScoreboard) {
    const int first = GetParam();
    const int second = 3 - first;
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    s.game.Rng = Random(SeedWhereFirstMoverIs(first));
    mnuNew_Click(s);
    PlayOut(s);

    ASSERT_EQ(host.Count("Scoreboard"), 1);
    const int board = host.Find("Scoreboard");
    std::vector<int> draws;
    std::vector<int> plays;
    for (int i = 0; i < static_cast<int>(host.Calls.size()); ++i) {
        if (host.Calls[static_cast<std::size_t>(i)].rfind("Draw", 0) == 0)
            draws.push_back(i);
        if (host.Calls[static_cast<std::size_t>(i)].rfind("Play", 0) == 0)
            plays.push_back(i);
    }
    ASSERT_EQ(draws.size(), 20u);
    ASSERT_EQ(plays.size(), 20u);
    ASSERT_EQ(host.Plays.size(), 40u);
    for (int n = 0; n < 20; ++n) {
        SCOPED_TRACE(n + 1);
        const int side = n % 2 == 0 ? first : second;
        const PlayEvent& play = host.Plays[static_cast<std::size_t>(2 * n)];
        const PlayEvent& draw = host.Plays[static_cast<std::size_t>(2 * n + 1)];
        EXPECT_EQ(play.Side, side);
        EXPECT_FALSE(play.FromPile);
        EXPECT_EQ(draw.Side, side);
        EXPECT_TRUE(draw.FromPile);
        const test::Snapshot& afterPlay = host.At(plays[static_cast<std::size_t>(n)]);
        const test::Snapshot& afterDraw = host.At(draws[static_cast<std::size_t>(n)]);
        EXPECT_TRUE(IsConsistent(afterPlay.game));
        EXPECT_TRUE(IsConsistent(afterDraw.game));
        EXPECT_LT(draws[static_cast<std::size_t>(n)], board);
        // The drawing side has 10 - k draws left after its k-th draw.
        const int k = n / 2 + 1;
        EXPECT_EQ(afterDraw.view.lblCards[side], " " + std::to_string(10 - k));
        EXPECT_EQ(afterDraw.game.HandCount[side], 10 - k);
        EXPECT_EQ(afterDraw.game.LastDrawDone, n == 19);
        EXPECT_EQ(afterDraw.game.PilePosition, 30 + n);
    }
    // The scoreboard follows the second mover's tenth draw directly; melds come before it.
    EXPECT_EQ(draws.back(), board - 1);
    EXPECT_EQ(host.Plays.back().Side, second);
    for (int i = board; i < static_cast<int>(host.Calls.size()); ++i) {
        EXPECT_NE(host.Calls[static_cast<std::size_t>(i)].rfind("Meld", 0), 0u);
    }

    // The scoreboard's totals are the running scores; together they make 250 and the melds.
    const test::Snapshot& end = host.At(board);
    const ScoreboardView& view = host.Scoreboards.at(0);
    EXPECT_EQ(view.Player.GrandTotal, end.game.PlayerScore);
    EXPECT_EQ(view.CPU.GrandTotal, end.game.CPUScore);
    EXPECT_EQ(end.view.lblPlayer, " " + std::to_string(end.game.PlayerScore));
    EXPECT_EQ(end.view.lblCPU, " " + std::to_string(end.game.CPUScore));
    const int meldPoints = view.Player.MeldTotal + view.CPU.MeldTotal;
    EXPECT_EQ(end.game.PlayerScore + end.game.CPUScore, 250 + meldPoints);
    EXPECT_EQ(host.Count("Meld"), [&] {
        int n = 0;
        for (int side = 1; side <= 2; ++side) {
            for (int meld = 1; meld <= 6; ++meld)
                n += end.game.MeldFlags[side][meld];
        }
        return n;
    }());
    for (int side = 1; side <= 2; ++side) {
        EXPECT_TRUE(test::Cards(end.game.PlayerHand).empty());
        EXPECT_TRUE(test::Cards(end.game.CPUHand).empty());
        EXPECT_TRUE(test::Cards(end.game.Desk).empty());
    }
    EXPECT_EQ(s.game.GameResult, view.GameResult);

    // Afterwards the table is cleared and no game runs.
    EXPECT_FALSE(s.game.GameInProgress);
    EXPECT_FALSE(s.view.Menu.mnuAbort.Enabled);
    EXPECT_EQ(s.view.lblPlayer, " 0");
    EXPECT_EQ(s.view.lblCPU, " 0");
    EXPECT_EQ(s.view.lblCards[1], "0");
    EXPECT_EQ(s.view.lblCards[2], "0");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    for (const CardPlace& place : s.view.picDesk)
        EXPECT_FALSE(place.Visible);
    for (const CardPlace& place : s.view.picHand)
        EXPECT_FALSE(place.Visible);
    EXPECT_EQ(s.game.PlayerScore, 0);
    EXPECT_FALSE(s.game.LastDrawDone);
}

INSTANTIATE_TEST_SUITE_P(FirstMover, WholeGameTest, ::testing::Values(HumanSide, ComputerSide));

TEST(GameEnd, AMeldOfTheVeryLastPileCardIsAnnouncedBeforeTheScoreboard) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 1);
    Layout layout;
    layout.cpu = {"jan_0.bmp"};
    layout.desk = {"may_1.bmp"};
    layout.pile = {"may_0.bmp"};
    layout.cpuGrid = {"may_10.bmp", "may_5.bmp"};
    layout.rest = test::Rest::HumanGrid;
    layout.turnSide = ComputerSide;
    test::SetUpTable(s, layout);
    ASSERT_EQ(s.game.PilePosition, 48);
    ASSERT_TRUE(IsConsistent(s.game));
    host.Clear();
    NextTurn(s);

    const int meld = host.Find("Meld");
    const int draw = host.Find("Draw 2");
    const int board = host.Find("Scoreboard");
    ASSERT_GE(meld, 0);
    EXPECT_EQ(host.Calls[static_cast<std::size_t>(meld)],
              "Meld Computer has Shoubu Complete (May), +20 points");
    EXPECT_EQ(host.Calls[static_cast<std::size_t>(draw)], "Draw 2 may_0.bmp may_1.bmp");
    EXPECT_LT(meld, draw);
    EXPECT_EQ(board, draw + 1);
    EXPECT_EQ(host.Count("Scoreboard"), 1);

    // The human holds every other card: 235 card points and five melds worth 150.
    const ScoreboardView& view = host.Scoreboards.at(0);
    EXPECT_EQ(view.Player.ScoreLabel, "Score Cards total =  235");
    EXPECT_EQ(view.Player.MeldScoreLabel, "Meld Score total =  150");
    EXPECT_EQ(view.CPU.ScoreLabel, "Score Cards total =  15");
    EXPECT_EQ(view.CPU.MeldScoreLabel, "Meld Score total =  20");
    EXPECT_EQ(view.Player.TotalLabel, "Winner  385");
    EXPECT_EQ(view.CPU.TotalLabel, " 35 Loser");
    EXPECT_EQ(view.GameResult, 1);
    EXPECT_EQ(view.Player.MeldTitles[1], " Akai Tan ");
    EXPECT_EQ(view.Player.MeldTitles[2], " Aoi Tan ");
    EXPECT_EQ(view.Player.MeldTitles[3], " Momiji Complete ");
    EXPECT_EQ(view.Player.MeldTitles[4], " Kiri Complete ");
    EXPECT_EQ(view.Player.MeldTitles[5], " Lights ");
    EXPECT_EQ(view.Player.MeldTitles[6], "");
    EXPECT_EQ(view.CPU.MeldTitles[1], " Shoubu Complete ");
    EXPECT_EQ(view.CPU.MeldPictures[1], "may_10.bmp");
    EXPECT_EQ(view.CPU.MeldPictures[4], "may_0.bmp");
    EXPECT_EQ(view.CPU.ScoringCards[1], "may_10.bmp");
    EXPECT_EQ(view.CPU.ScoringCards[2], "may_5.bmp");
    EXPECT_EQ(view.CPU.ScoringCards[3], "");
    EXPECT_EQ(host.At(board).game.PlayerScore, 385);
    EXPECT_EQ(host.At(board).game.CPUScore, 35);
    // The human won, so the human's score is offered to the high-score table.
    EXPECT_EQ(host.Find("AskName"), board + 1);
    EXPECT_FALSE(s.game.GameInProgress);
}

TEST(NewGame, DuringAGameCarriesNothingOver) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    Layout layout;
    layout.player = {"jan_20.bmp", "apr_10.bmp"};
    layout.cpu = {"feb_0.bmp"};
    layout.desk = {"jan_1.bmp", "feb_10.bmp", "mar_5.bmp", "apr_5.bmp", "apr_0.bmp", "may_0.bmp",
                   "jun_0.bmp", "jul_0.bmp",  "aug_0.bmp", "sep_0.bmp", "oct_0.bmp", "nov_0.bmp"};
    layout.humanGrid = {"dec_20.bmp", "dec_10.bmp", "dec_5.bmp", "dec_0.bmp"};
    layout.cpuGrid = {"may_10.bmp"};
    test::SetUpTable(s, layout);
    for (int rank = 1; rank <= 4; ++rank)
        ShowCapturedCard(s, HumanSide, layout.humanGrid[static_cast<std::size_t>(rank - 1)], rank);
    NextTurn(s);
    picHand_MouseMove(s, 2);  // apr_10: two matches marked, a selection pending
    ASSERT_TRUE(s.game.MatchPending);
    ASSERT_EQ(s.game.MeldFlags[1][5], 1);
    ASSERT_GT(s.game.PlayerScore, 0);

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
    EXPECT_EQ(s.game.PlayerScore, 0);
    EXPECT_EQ(s.game.CPUScore, 0);
    EXPECT_EQ(s.view.lblPlayer, " 0");
    EXPECT_EQ(s.view.lblCPU, " 0");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
    EXPECT_FALSE(s.game.MatchPending);
    EXPECT_FALSE(test::AnyMarker(s.view));
    for (const CardPlace& place : s.view.picDesk)
        EXPECT_FALSE(place.Enabled);
    // The old desk of twelve is gone: exactly the eight new cards.
    EXPECT_EQ(s.game.DeskNextSlot, 9);
    EXPECT_EQ(test::Cards(s.game.Desk).size(), 8u);
    for (int slot = 9; slot <= 16; ++slot)
        EXPECT_FALSE(s.view.picDesk[slot].Visible);
    EXPECT_TRUE(IsConsistent(s.game));
    // The first click needs a pointer move first.
    const std::size_t calls = host.Calls.size();
    picHand_Click(s, 2);
    EXPECT_EQ(host.Calls.size(), calls);
    EXPECT_EQ(s.game.HandCount[1], 10);
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
    host.AbortAnswer = false;
    mnuAbort_Click(s);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"AskAbort"});
    EXPECT_TRUE(test::SamePlayState(before, s.game));
    EXPECT_EQ(s.view, viewBefore);
    EXPECT_TRUE(s.game.GameInProgress);

    host.AbortAnswer = true;
    mnuAbort_Click(s);
    EXPECT_EQ(host.Count("AskAbort"), 2);
    EXPECT_FALSE(s.game.GameInProgress);
    EXPECT_FALSE(s.view.Menu.mnuAbort.Enabled);
    for (const CardPlace& place : s.view.picHand)
        EXPECT_FALSE(place.Visible || place.Enabled);
    for (const CardPlace& place : s.view.picComp)
        EXPECT_FALSE(place.Visible);
    for (const CardPlace& place : s.view.picDesk)
        EXPECT_FALSE(place.Visible || place.Enabled);
    EXPECT_FALSE(test::AnyMarker(s.view));
    EXPECT_EQ(s.view.lblPlayer, " 0");
    EXPECT_EQ(s.view.lblCPU, " 0");
    EXPECT_EQ(s.view.lblCards[1], "0");
    EXPECT_EQ(s.view.lblCards[2], "0");
    // The table is cleared; the hands and the desk stay until the next deal overwrites them.
    EXPECT_EQ(s.game.PlayerHand, before.PlayerHand);
    EXPECT_EQ(s.game.Desk, before.Desk);
    EXPECT_EQ(s.game.TurnSide, before.TurnSide);

    // Abort is disabled again.
    mnuAbort_Click(s);
    EXPECT_EQ(host.Count("AskAbort"), 2);
}

TEST(RedrawZone, OtherZonesDoNothingAndEmptySlotsAreHidden) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    Layout layout;
    layout.player = {"jan_0.bmp"};
    layout.cpu = {"feb_0.bmp", "mar_0.bmp"};
    layout.desk = {"apr_0.bmp"};
    test::SetUpTable(s, layout);
    const TableView before = s.view;
    RedrawZone(s, 0);
    RedrawZone(s, 4);
    EXPECT_EQ(s.view, before);
    EXPECT_TRUE(s.view.picComp[2].Visible);
    EXPECT_EQ(s.view.picComp[2].Picture, "back.bmp");
    EXPECT_FALSE(s.view.picComp[3].Visible);
    EXPECT_EQ(s.view.picComp[3].Picture, "");
    s.options.DebugMode = true;
    RedrawZone(s, 2);
    EXPECT_EQ(s.view.picComp[1].Picture, "feb_0.bmp");
    EXPECT_EQ(s.view.picComp[2].Picture, "mar_0.bmp");
    EXPECT_FALSE(s.view.picDesk[2].Visible);
}

}  // namespace
}  // namespace vm

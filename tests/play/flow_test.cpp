// A game from its deal to its end: the last turn, the high scores and their file, New and
// Abort over a game, and turns cut short at any pause.
#include "play/flow.h"

#include <gtest/gtest.h>

#include <ctime>

#include "play/end_of_game.h"
#include "play/player_input.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Names;
using test::ScriptedHost;
using test::Split;

// The table a player sees when no game runs.
void ExpectClearedTable(const Session& s) {
    EXPECT_FALSE(s.game.GameInProgress || s.view.Menu.mnuAbort.Enabled);
    EXPECT_EQ(test::Shown(s.view), "comp | desk | hand | pile - - | taken");
    EXPECT_EQ(test::Labels(s.view), " 0/ 0/0/0");
}

// What a player sees of a game and what its next moves depend on.
auto Dealt(const Game& g) {
    return std::tuple(g.CardTable, g.PlayerHand, g.CPUHand, g.Desk, g.HandCount, g.DeskNextSlot,
                      g.PilePosition, g.TurnSide, g.PlayerMayAct, g.LastDrawDone, g.GameInProgress,
                      g.CapturedPiles, g.PlayerScore, g.CPUScore, g.MeldFlags, g.SelectedHandSlot,
                      g.MatchPending);
}

// New deals the very game, and shows the very table, that New deals right after the start.
void ExpectNewGameIsFresh(Session& s) {
    const test::Dealt fresh(test::HumanFirstSeed);
    s.game.Rng = Random(test::HumanFirstSeed);
    NewGame(s);
    EXPECT_EQ(Dealt(s.game), Dealt(fresh.s.game));
    EXPECT_EQ(test::Shown(s.view) + test::Labels(s.view),
              test::Shown(fresh.s.view) + test::Labels(fresh.s.view));
    EXPECT_EQ(s.view.Menu, fresh.s.view.Menu);
}

// The side to move makes the game's last draw, whose card completes a meld; the other side
// holds every other card: 235 card points and five melds worth 150. A second game then shows
// nothing of the first.
class LastTurnTest : public ::testing::TestWithParam<int> {};

TEST_P(LastTurnTest, TheLastPileCardsMeldIsAnnouncedThenTheScoreboardEndsTheGame) {
    const int side = GetParam();
    const bool human = side == HumanSide;
    test::Layout layout = {.desk = Split("may_1"),
                           .pile = Split("may_0"),
                           .rest = human ? test::Rest::ComputerGrid : test::Rest::HumanGrid,
                           .turnSide = side};
    (human ? layout.player : layout.cpu) = Split("jan_0");
    (human ? layout.humanGrid : layout.cpuGrid) = Split("may_10 may_5");
    test::OnTable t(layout);
    Session& s = t.s;
    NextTurn(s);
    if (human) {
        picHand_MouseMove(s, 1);
        picHand_Click(s, 1);
    }
    const auto meld = t.host.Calls.begin() + t.host.Find("Meld");
    EXPECT_EQ(std::vector(meld, meld + 3),
              (Names{"Meld " + std::string(human ? "Player" : "Computer") +
                         " has Shoubu Complete (May), +20 points",
                     "Draw " + std::to_string(side) + " may_0.bmp may_1.bmp", "Scoreboard"}));
    EXPECT_EQ(t.host.Count("Scoreboard"), 1);
    // The totals are the running scores the table showed.
    const ScoreboardView& view = t.host.Scoreboards.at(0);
    EXPECT_EQ(view.Player.TotalLabel + view.CPU.TotalLabel,
              human ? "Loser  35 385 Winner" : "Winner  385 35 Loser");
    const TableView& shown = t.host.At("Scoreboard").view;
    EXPECT_EQ(shown.lblPlayer + shown.lblCPU, human ? " 35 385" : " 385 35");
    ExpectClearedTable(s);
    ExpectNewGameIsFresh(s);
}

INSTANTIATE_TEST_SUITE_P(BySide, LastTurnTest, ::testing::Values(HumanSide, ComputerSide));

// Today as the high-score file writes dates, from the clock here.
std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", std::localtime(&now));
    return text;
}

using EndOfGameTest = test::RecordsTest;

TEST_F(EndOfGameTest, EachResultTakesItsBranchAndTheTableIsSaved) {
    const Names asked{"Scoreboard", "AskName", "HighScores"};
    struct Branch {
        const char* what;
        int lowestRow;  // of a full table, row r holding lowestRow + 10 - r; 0: the placeholders
        const char *player, *cpu, *typed;
        GameResult result;
        Names calls;
        int row;  // where the result enters, below equal scores; 0: nowhere
        const char* name;
        int score;
    };
    const Branch branches[] = {
        {"a human win, nothing storable typed", 0, "jan_20 mar_20", "feb_10", "  \t\r\n",
         GameResult::HumanWins, asked, 1, "Player", 40},
        {"a computer win", 31, "jan_5", "aug_20 feb_10 mar_5", "", GameResult::ComputerWins,
         Names{"Scoreboard", "HighScores"}, 7, "CPU", 35},
        {"a draw, blanks around the name", 0, "jan_20 feb_10", "mar_20 apr_10", "  Ann  ",
         GameResult::Draw, asked, 1, "  Ann  ", 30},
        {"a result equal to the tenth row", 20, "jan_20", "feb_10", "", GameResult::HumanWins,
         Names{"Scoreboard"}, 0, "", 0},
    };
    for (const Branch& b : branches) {
        SCOPED_TRACE(b.what);
        host.Calls.clear();
        host.NameToType = b.typed;
        host.NameOffered = "";
        session.EnteredName = "Mei";  // from an earlier game
        session.highScores = PlaceholderTable();
        for (int row = 1; b.lowestRow > 0 && row <= 10; ++row) {
            session.highScores[row] = {"Row " + std::to_string(row),
                                       static_cast<std::int16_t>(b.lowestRow + 10 - row), "d"};
        }
        const HighScoreTable before = session.highScores;
        Write("VMSCORES.DAT", "stale\n");
        test::SetUpTable(session, {.humanGrid = Split(b.player), .cpuGrid = Split(b.cpu)});
        const std::string today = Today();
        EndOfGame(session);

        EXPECT_EQ(host.Calls, b.calls);
        EXPECT_EQ(session.game.GameResult, b.result);
        EXPECT_EQ(host.NameOffered, b.calls == asked ? "Mei" : "");
        EXPECT_EQ(session.EnteredName, b.calls == asked ? b.name : "Mei");
        if (b.row == 0) {
            EXPECT_EQ(session.highScores, before);
        } else {
            const HighScoreEntry& entered = session.highScores[b.row];
            EXPECT_EQ(entered.Name, b.name);
            EXPECT_EQ(entered.Score, b.score);
            EXPECT_TRUE(entered.Date == today || entered.Date == Today()) << entered.Date;
        }
        // The file's bytes for a table are the records' own tests; here it is saved as it stands.
        EXPECT_EQ(Read("VMSCORES.DAT"), FormatHighScores(session.highScores));
        // The game is over and the table cleared, whatever the branch taken.
        ExpectClearedTable(session);
    }
}

TEST_F(EndOfGameTest, ASessionThatKeepsNoRecordsLeavesTheFolderAlone) {
    session.PersistRecords = false;
    test::SetUpTable(session, {.cpuGrid = Split("jan_20")});
    EndOfGame(session);
    EXPECT_FALSE(WriteOptions(session));
    EXPECT_TRUE(Contents().empty());
    EXPECT_EQ(host.Calls, (Names{"Scoreboard", "HighScores"}));
}

// A game dealt over one in progress (with a capture view, a meld, a desk of ten and a card
// pointed at) is the game a fresh start deals, and its first click needs a pointer move.
TEST(NewGame, DuringAGameCarriesNothingOver) {
    test::OnTable t({.player = Split("jan_20 apr_10"),
                     .cpu = Split("feb_0"),
                     .desk = Split("jan_1 feb_10 mar_5 apr_5 apr_0 may_0 jun_0 jul_0 aug_0 sep_0"),
                     .humanGrid = Split("dec_20 dec_10 dec_5 dec_0"),
                     .cpuGrid = Split("may_10")},
                    false, 0);
    ShowCapturedPiles(t.s, ComputerSide);
    NextTurn(t.s);
    picHand_MouseMove(t.s, 2);  // apr_10: two matches framed, a choice pending
    ASSERT_TRUE(t.s.game.MatchPending && t.s.game.MeldFlags[1][5] == 1);
    ExpectNewGameIsFresh(t.s);
    EXPECT_TRUE(t.host.Calls.empty());
    picHand_Click(t.s, 2);
    EXPECT_TRUE(t.host.Calls.empty());
}

// Abort asks first and clears the table only on Yes. Players Matches, CPU Matches and Dealing
// Pile show something only while a game runs.
TEST(AbortGame, AsksFirstAndClearsTheTableOnlyOnYesAndTheDebugViewsShowNothingThen) {
    ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    ResetTable(s);
    for (const char* when : {"before the first deal", "after an abort"}) {
        SCOPED_TRACE(when);
        EXPECT_FALSE(ConfirmAbort(s));  // no game: Abort is disabled
        const TableView view = s.view;
        ShowCapturedPiles(s, HumanSide);
        ShowCapturedPiles(s, ComputerSide);
        EXPECT_EQ(s.view, view);
        EXPECT_FALSE(PileToShow(s).has_value());
        EXPECT_EQ(host.Count("AskAbort"), host.AbortAnswer ? 2 : 0);

        // A game in which the computer has captured.
        test::SetUpTable(s, {.player = Split("jan_0"), .cpuGrid = Split("jan_20 jan_1")});
        NextTurn(s);
        ShowCapturedPiles(s, ComputerSide);
        EXPECT_EQ(test::Shown(s.view), "comp | desk | hand jan_0+ | pile - - | taken jan_20 jan_1");
        EXPECT_TRUE(PileToShow(s).has_value());
        const auto state = test::PlayState(s.game);
        const TableView shown = s.view;
        host.AbortAnswer = false;
        EXPECT_FALSE(ConfirmAbort(s));
        EXPECT_EQ(test::PlayState(s.game), state);
        EXPECT_EQ(s.view, shown);
        host.AbortAnswer = true;
        ASSERT_TRUE(ConfirmAbort(s));
        AbortGame(s);
        ExpectClearedTable(s);
    }
}

// One human strategy for whole games: the first card, and of two matches the first.
void PlayHumanTurn(Session& s) {
    picHand_MouseMove(s, 1);
    if (s.game.MatchPending && s.game.DeskMatchSlots[2] > 0) {
        picDesk_Click(s, s.game.DeskMatchSlots[1]);
    } else {
        picHand_Click(s, 1);
    }
}

// Runs a handler as the window does: a turn cut short ends there. True when it was.
template <typename Handler>
bool Abandoned(Handler handler) {
    try {
        handler();
        return false;
    } catch (const TurnAbandoned&) {
        return true;
    }
}

// A whole game is played once to count its pauses and meld notices, then again once for each,
// cut short there as New, Abort or closing the window cuts a pause short: the game left behind
// is consistent, and New (after an Abort, every other time) deals a fresh game over it.
TEST(AbandonedTurn, AtEveryPauseAndMeldNoticeOfAGameLeavesItConsistentAndNewDealsAFreshGame) {
    // The computer moves first; both sides complete melds in hand plays and in pile draws.
    constexpr std::uint64_t Seed = 135;
    for (int cut = 0, stops = 0; cut <= stops; ++cut) {
        ScriptedHost host;
        Session s(host);
        test::PrepareSession(s, host);
        host.Detach();
        int stop = 0;
        std::string where;
        host.OnCall = [&](const std::string& call) {
            if (call.rfind("Pause", 0) != 0 && call.rfind("Meld", 0) != 0) return;
            where = call;
            if (++stop == cut) throw TurnAbandoned{};
        };
        s.game.Rng = Random(Seed);
        bool abandoned = Abandoned([&] { NewGame(s); });
        while (!abandoned && s.game.PlayerMayAct) abandoned = Abandoned([&] { PlayHumanTurn(s); });
        if (cut == 0) {
            stops = stop;
            EXPECT_EQ(stops, 34);  // 20 pile draws, the computer's 10 plays, 4 meld notices
            EXPECT_FALSE(abandoned || s.game.GameInProgress);
            continue;
        }
        SCOPED_TRACE("cut short at stop " + std::to_string(cut) + ", " + where);
        ASSERT_TRUE(abandoned);
        EXPECT_TRUE(IsConsistent(s.game));
        host.OnCall = nullptr;
        if (cut % 2 == 0) {
            AbortGame(s);
            ExpectClearedTable(s);
        }
        ExpectNewGameIsFresh(s);
    }
}

}  // namespace
}  // namespace vm

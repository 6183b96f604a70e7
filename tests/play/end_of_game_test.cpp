#include "play/end_of_game.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/high_score_rules.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using Calls = std::vector<std::string>;
using Cards = std::vector<const char*>;

class EndOfGameTest : public test::RecordsTest {
protected:
    // Starts a game in which each side has captured the given cards, its score in step.
    void Play(const Cards& player, const Cards& cpu) {
        session.game.GameInProgress = true;
        session.view.Menu.mnuAbort.Enabled = true;
        for (const Side side : {HumanSide, ComputerSide}) {
            for (const char* name : side == HumanSide ? player : cpu) {
                CapturedGrid& grid = session.game.CapturedPiles[side];
                int rank = 1;
                while (!grid[Month(name)][rank].empty()) ++rank;
                grid[Month(name)][rank] = name;
                Score(session.game, side) =
                    static_cast<std::int16_t>(Score(session.game, side) + CardValue(name));
            }
        }
    }
};

TEST_F(EndOfGameTest, EachResultTakesItsBranchAndTheTableIsSaved) {
    struct Branch {
        const char* what;
        int lowestRow;  // of a full table; 0 for the placeholders
        Cards player, cpu;
        const char* typed;
        int result;
        Calls calls;
        int row, score;  // where the result enters (0 for nowhere) and its score
        const char* name;
    };
    const Calls asked{"ShowScoreboard", "AskHighScoreName", "ShowHighScores"};
    const Branch branches[] = {
        {"a human win, nothing storable typed", 0, {"jan_20.bmp", "mar_20.bmp"}, {"feb_10.bmp"},
         "  \t\r\n", 1, asked, 1, 40, "Player"},
        {"a computer win", 31, {"jan_5.bmp"}, {"aug_20.bmp", "feb_10.bmp", "mar_5.bmp"}, "", 2,
         {"ShowScoreboard", "ShowHighScores"}, 7, 35, "CPU"},
        {"a draw, blanks around the name", 0, {"jan_20.bmp", "feb_10.bmp"},
         {"mar_20.bmp", "apr_10.bmp"}, "  Ann  ", 3, asked, 1, 30, "  Ann  "},
        {"a result equal to the tenth row", 20, {"jan_20.bmp"}, {"feb_10.bmp"}, "", 1,
         {"ShowScoreboard"}, 0, 0, ""},
    };
    for (const Branch& branch : branches) {
        SCOPED_TRACE(branch.what);
        host.Calls.clear();
        host.NameToType = branch.typed;
        host.NameOffered = "";
        session.EnteredName = "Mei";  // from an earlier game
        session.highScores = PlaceholderTable();
        for (int row = 1; branch.lowestRow > 0 && row <= 10; ++row) {
            session.highScores[row] = {"Row " + std::to_string(row),
                                       static_cast<std::int16_t>(branch.lowestRow + 10 - row), "d"};
        }
        const HighScoreTable before = session.highScores;
        folder.Write("VMSCORES.DAT", "stale\n");
        Play(branch.player, branch.cpu);
        const std::string today = TodayText();
        EndOfGame(session);

        EXPECT_EQ(host.Calls, branch.calls);
        EXPECT_EQ(static_cast<int>(session.game.GameResult), branch.result);
        EXPECT_EQ(host.NameOffered, branch.calls == asked ? "Mei" : "");
        EXPECT_EQ(session.EnteredName, branch.calls == asked ? branch.name : "Mei");
        if (branch.row == 0) {
            EXPECT_EQ(session.highScores, before);
        } else {
            const HighScoreEntry& entered = session.highScores[branch.row];
            EXPECT_EQ(entered.Name, branch.name);
            EXPECT_EQ(entered.Score, branch.score);
            EXPECT_TRUE(entered.Date == today || entered.Date == TodayText()) << entered.Date;
            EXPECT_EQ(session.highScores[branch.row + 1], before[branch.row]);
        }
        EXPECT_EQ(folder.Read("VMSCORES.DAT"), FormatHighScores(session.highScores));
        // The game is over and the table cleared, whatever the branch taken.
        EXPECT_FALSE(session.view.Menu.mnuAbort.Enabled);
        EXPECT_FALSE(session.game.GameInProgress);
        EXPECT_EQ(session.game.PlayerScore, 0);
        EXPECT_EQ(session.game.CapturedPiles[1], CapturedGrid{});
    }
}

TEST_F(EndOfGameTest, ASessionThatKeepsNoRecordsLeavesTheFolderAlone) {
    session.PersistRecords = false;
    Play({}, {"jan_20.bmp"});
    EndOfGame(session);
    EXPECT_FALSE(WriteOptions(session));
    EXPECT_EQ(session.highScores[1].Name, "CPU");
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_EQ(host.Calls, (Calls{"ShowScoreboard", "ShowHighScores"}));
}

}  // namespace
}  // namespace vm

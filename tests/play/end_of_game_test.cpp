#include "play/end_of_game.h"

#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

#include "records/high_score_rules.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Names;
using test::Split;

// Today as the high-score file writes dates, from the clock here.
std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", std::localtime(&now));
    return text;
}

// Line n of a file, counted from 1, without its CR LF.
std::string Line(const std::string& file, int n) {
    std::istringstream in(file);
    std::string line;
    for (int i = 0; i < n; ++i) std::getline(in, line);
    return line.substr(0, line.find('\r'));
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
        int row;  // where the result enters; 0: nowhere
        const char* name;
        const char *line, *next;  // the file's line of that row (without its date) and the next
    };
    const Branch branches[] = {
        {"a human win, nothing storable typed", 0, "jan_20 mar_20", "feb_10", "  \t\r\n",
         GameResult::HumanWins, asked, 1, "Player", "Player\\40|", "Player 2\\0|00/00/0000"},
        {"a computer win", 31, "jan_5", "aug_20 feb_10 mar_5", "", GameResult::ComputerWins,
         Names{"Scoreboard", "HighScores"}, 7, "CPU", "CPU\\35|", "Row 7\\34|d"},
        {"a draw, blanks around the name", 0, "jan_20 feb_10", "mar_20 apr_10", "  Ann  ",
         GameResult::Draw, asked, 1, "  Ann  ", "Ann\\30|", "Player 2\\0|00/00/0000"},
        {"a result equal to the tenth row", 20, "jan_20", "feb_10", "", GameResult::HumanWins,
         Names{"Scoreboard"}, 0, "", "", "Row 1\\29|d"},
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
        const std::string file = Read("VMSCORES.DAT");
        if (b.row == 0) {
            EXPECT_EQ(session.highScores, before);
        } else {
            EXPECT_EQ(session.highScores[b.row].Name, b.name);
            const std::string line = Line(file, b.row);
            EXPECT_TRUE(line == b.line + today || line == b.line + Today()) << line;
        }
        EXPECT_EQ(Line(file, b.row + 1), b.next);
        // The game is over and the table cleared, whatever the branch taken.
        EXPECT_FALSE(session.view.Menu.mnuAbort.Enabled || session.game.GameInProgress);
        EXPECT_EQ(test::Labels(session.view), " 0/ 0/0/0");
        EXPECT_EQ(session.game.CapturedPiles, decltype(session.game.CapturedPiles){});
    }
}

TEST_F(EndOfGameTest, ASessionThatKeepsNoRecordsLeavesTheFolderAlone) {
    session.PersistRecords = false;
    test::SetUpTable(session, {.cpuGrid = Split("jan_20")});
    EndOfGame(session);
    EXPECT_FALSE(WriteOptions(session));
    EXPECT_EQ(session.highScores[1].Name, "CPU");
    EXPECT_TRUE(Contents().empty());
    EXPECT_EQ(host.Calls, (Names{"Scoreboard", "HighScores"}));
}

}  // namespace
}  // namespace vm

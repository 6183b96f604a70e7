#include "records/end_of_game.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/session.h"
#include "records/high_score_rules.h"
#include "records/high_scores_file.h"
#include "tests/records/recording_host.h"
#include "tests/records/scratch_folder.h"

namespace vm {
namespace {

using Calls = std::vector<std::string>;

class EndOfGameTest : public ::testing::Test {
protected:
    test::ScratchFolder folder;
    test::RecordingHost host;
    Session session{host};

    void SetUp() override {
        session.ProgramFolder = folder.Folder();
        session.highScores = PlaceholderTable();
        session.game.GameInProgress = true;
        session.view.Menu.mnuAbort.Enabled = true;
    }

    // Puts scoring cards into a side's grid and keeps its running score in step.
    void Capture(int side, std::initializer_list<std::pair<int, const char*>> cards) {
        for (const auto& [month, name] : cards) {
            CapturedGrid& grid = session.game.CapturedPiles[side];
            int rank = 1;
            while (!grid[month][rank].empty()) ++rank;
            grid[month][rank] = name;
            Score(session.game, side) =
                static_cast<std::int16_t>(Score(session.game, side) + CardValue(name));
        }
    }

    void FillTable(std::int16_t lowest) {
        for (int row = 1; row <= 10; ++row) {
            session.highScores[row] = {"Row " + std::to_string(row),
                                       static_cast<std::int16_t>(lowest + 10 - row), "d"};
        }
    }

    void ExpectIdleTable() {
        EXPECT_FALSE(session.view.Menu.mnuAbort.Enabled);
        EXPECT_FALSE(session.game.GameInProgress);
        EXPECT_EQ(session.game.PlayerScore, 0);
        EXPECT_EQ(session.game.CPUScore, 0);
        EXPECT_EQ(session.game.CapturedPiles[1], CapturedGrid{});
        EXPECT_EQ(session.game.CapturedPiles[2], CapturedGrid{});
    }
};

// Today's date as the table stores it, allowing for a test that runs across midnight.
void ExpectToday(const std::string& date, const std::string& before) {
    EXPECT_TRUE(date == before || date == TodayText()) << date;
}

TEST_F(EndOfGameTest, AHumanWinAsksTheNameEntersTheTableAndSavesIt) {
    Capture(1, {{1, "jan_20.bmp"}, {3, "mar_20.bmp"}});
    Capture(2, {{2, "feb_10.bmp"}});
    host.NameToType = "   ";
    const std::string today = TodayText();
    EndOfGame(session);

    EXPECT_EQ(host.Calls, (Calls{"ShowScoreboard", "AskHighScoreName", "ShowHighScores"}));
    EXPECT_EQ(host.ScoreboardShown.Player.GrandTotal, 40);
    EXPECT_EQ(session.game.GameResult, 1);
    EXPECT_EQ(session.EnteredName, "Player");
    EXPECT_EQ(host.TableShown[1].Name, "Player");
    EXPECT_EQ(host.TableShown[1].Score, 40);
    ExpectToday(host.TableShown[1].Date, today);
    EXPECT_EQ(host.TableShown[2].Name, "Player 1");
    EXPECT_EQ(host.TableShown[10].Name, "Player 9");

    const std::string file = folder.Read("VMSCORES.DAT");
    EXPECT_EQ(file.substr(0, file.find("\r\n")), "Player\\40|" + host.TableShown[1].Date);
    // The placeholders moved down are saved under their new row numbers.
    EXPECT_EQ(ParseHighScores(file)[10].Name, "Player 10");
    ExpectIdleTable();
}

TEST_F(EndOfGameTest, AComputerWinEntersUnderCpuWithoutAskingAName) {
    FillTable(31);  // rows 40 down to 31
    Capture(1, {{1, "jan_5.bmp"}});
    Capture(2, {{8, "aug_20.bmp"}, {2, "feb_10.bmp"}, {3, "mar_5.bmp"}});
    EndOfGame(session);

    EXPECT_EQ(host.Calls, (Calls{"ShowScoreboard", "ShowHighScores"}));
    EXPECT_EQ(session.game.GameResult, 2);
    EXPECT_EQ(host.TableShown[6].Score, 35);
    EXPECT_EQ(host.TableShown[7].Name, "CPU");
    EXPECT_EQ(host.TableShown[7].Score, 35);
    EXPECT_EQ(host.TableShown[8].Score, 34);
    EXPECT_TRUE(session.EnteredName.empty());
    EXPECT_EQ(ParseHighScores(folder.Read("VMSCORES.DAT"))[7].Name, "CPU");
    ExpectIdleTable();
}

TEST_F(EndOfGameTest, ADrawOffersTheHumansScoreWithTheNameDialog) {
    Capture(1, {{1, "jan_20.bmp"}, {2, "feb_10.bmp"}});
    Capture(2, {{3, "mar_20.bmp"}, {4, "apr_10.bmp"}});
    host.NameToType = "  Ann  ";
    EndOfGame(session);

    EXPECT_EQ(session.game.GameResult, 3);
    EXPECT_EQ(host.Calls, (Calls{"ShowScoreboard", "AskHighScoreName", "ShowHighScores"}));
    EXPECT_EQ(host.TableShown[1].Name, "  Ann  ");  // shown as typed
    EXPECT_EQ(host.TableShown[1].Score, 30);
    EXPECT_EQ(folder.Read("VMSCORES.DAT").rfind("Ann\\30|", 0), 0u);  // saved trimmed
}

TEST_F(EndOfGameTest, AResultEqualToTheTenthRowOpensNoDialogButRewritesTheFile) {
    FillTable(20);  // rows 29 down to 20
    folder.Write("VMSCORES.DAT", "stale\n");
    Capture(1, {{1, "jan_20.bmp"}});
    Capture(2, {{2, "feb_10.bmp"}});
    const HighScoreTable before = session.highScores;
    EndOfGame(session);

    EXPECT_EQ(host.Calls, Calls{"ShowScoreboard"});
    EXPECT_EQ(session.highScores, before);
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), FormatHighScores(before));
    ExpectIdleTable();
}

TEST_F(EndOfGameTest, TheNameOfAnEarlierGameIsOfferedAgain) {
    Capture(1, {{1, "jan_20.bmp"}});
    host.NameToType = "Mei";
    EndOfGame(session);
    EXPECT_EQ(host.NameOffered, "");

    Capture(1, {{3, "mar_20.bmp"}});
    host.NameToType = "Mei Lin";
    EndOfGame(session);
    EXPECT_EQ(host.NameOffered, "Mei");
    EXPECT_EQ(session.EnteredName, "Mei Lin");
    EXPECT_EQ(session.highScores[1].Name, "Mei");  // an equal score ranks below the older one
    EXPECT_EQ(session.highScores[2].Name, "Mei Lin");
}

TEST_F(EndOfGameTest, ANameOfSeparatorsAndControlsIsStoredSoItReadsBack) {
    Capture(1, {{1, "jan_20.bmp"}});
    host.NameToType = "a|b\\c\t";
    EndOfGame(session);
    EXPECT_EQ(session.EnteredName, "a|b\\c\t");
    EXPECT_EQ(session.highScores[1].Name, "a/b/c");
    EXPECT_EQ(ParseHighScores(folder.Read("VMSCORES.DAT"))[1].Name, "a/b/c");

    Capture(1, {{3, "mar_20.bmp"}});
    host.NameToType = "\t\r\n";
    EndOfGame(session);
    EXPECT_EQ(session.EnteredName, "Player");
}

TEST_F(EndOfGameTest, ATableThatCannotBeSavedIsToldOnceAndTheGameStillEnds) {
    folder.Write("program", "");
    session.ProgramFolder = folder.Path("program/");
    Capture(1, {{1, "jan_20.bmp"}});
    EndOfGame(session);
    EXPECT_EQ(host.Calls.back(), "ShowMessage");
    EXPECT_EQ(session.highScores[1].Score, 20);
    ExpectIdleTable();

    session.game.GameInProgress = true;
    Capture(1, {{1, "jan_20.bmp"}});
    EndOfGame(session);
    EXPECT_EQ(host.Messages.size(), 1u);
}

TEST_F(EndOfGameTest, ASessionThatKeepsNoRecordsLeavesTheFolderAlone) {
    session.PersistRecords = false;
    Capture(2, {{1, "jan_20.bmp"}});
    EndOfGame(session);
    EXPECT_EQ(session.highScores[1].Name, "CPU");
    EXPECT_TRUE(folder.Names().empty());
    ExpectIdleTable();
}

}  // namespace
}  // namespace vm

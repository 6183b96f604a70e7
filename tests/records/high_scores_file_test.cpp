#include "records/high_scores_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "game/session.h"
#include "records/options_file.h"
#include "tests/records/recording_host.h"
#include "tests/records/scratch_folder.h"

namespace vm {
namespace {

const char* const PlaceholderFile =
    "Player 1\\0|00/00/0000\r\n"
    "Player 2\\0|00/00/0000\r\n"
    "Player 3\\0|00/00/0000\r\n"
    "Player 4\\0|00/00/0000\r\n"
    "Player 5\\0|00/00/0000\r\n"
    "Player 6\\0|00/00/0000\r\n"
    "Player 7\\0|00/00/0000\r\n"
    "Player 8\\0|00/00/0000\r\n"
    "Player 9\\0|00/00/0000\r\n"
    "Player 10\\0|00/00/0000\r\n";

HighScoreEntry Row(std::string name, std::int16_t score, std::string date) {
    return {std::move(name), score, std::move(date)};
}

TEST(PlaceholderTable, NamesEachRowByItsNumber) {
    const HighScoreTable table = PlaceholderTable();
    EXPECT_EQ(table[1], Row("Player 1", 0, "00/00/0000"));
    EXPECT_EQ(table[10], Row("Player 10", 0, "00/00/0000"));
    EXPECT_EQ(FormatHighScores(table), PlaceholderFile);
    EXPECT_EQ(ParseHighScores(PlaceholderFile), table);
}

TEST(ParseHighScores, SplitsAtTheFirstBackslashAndTheFirstBar) {
    const HighScoreTable table =
        ParseHighScores("Ann\\57|05/12/2026\r\n  Bo  \\ 4 2 |x|y\\z \r\n");
    EXPECT_EQ(table[1], Row("Ann", 57, "05/12/2026"));
    EXPECT_EQ(table[2], Row("  Bo  ", 42, "x|y\\z "));  // nothing trimmed when read
}

TEST(ParseHighScores, ScoresAreDecimalsRoundedHalfToEvenAndClamped) {
    const HighScoreTable table = ParseHighScores(
        "a\\40.5|d\r\nb\\41.5|d\r\nc\\|d\r\nd\\x9|d\r\ne\\-3|d\r\nf\\1e5|d\r\ng\\99999|d\r\n");
    EXPECT_EQ(table[1].Score, 40);
    EXPECT_EQ(table[2].Score, 42);
    EXPECT_EQ(table[3].Score, 0);
    EXPECT_EQ(table[4].Score, 0);
    EXPECT_EQ(table[5].Score, -3);
    EXPECT_EQ(table[6].Score, 1);
    EXPECT_EQ(table[7].Score, 32767);
}

TEST(ParseHighScores, EmptyAndMalformedLinesGiveThePlaceholderOfTheirRow) {
    const HighScoreTable table =
        ParseHighScores("\r\nno separators\r\nonly\\backslash\r\nonly|bar\r\nbar|before\\5\r\n");
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(table[row], Row("Player " + std::to_string(row), 0, "00/00/0000")) << row;
    }
}

TEST(ParseHighScores, AShortFileLeavesTheOtherRowsEmpty) {
    const HighScoreTable table = ParseHighScores("A\\30|d1\nB\\20|d2\nC\\10|d3");
    EXPECT_EQ(table[3], Row("C", 10, "d3"));
    for (int row = 4; row <= 10; ++row) EXPECT_EQ(table[row], HighScoreEntry{}) << row;
    EXPECT_EQ(ParseHighScores(""), HighScoreTable{});
}

TEST(ParseHighScores, LinesPastTheTenthAreIgnored) {
    std::string text = PlaceholderFile;
    text += "Extra\\99|01/01/2026\r\n";
    EXPECT_EQ(ParseHighScores(text), PlaceholderTable());
}

TEST(ParseHighScores, SingleByteTextBecomesUtf8) {
    EXPECT_EQ(ParseHighScores("Ren\xE9\\9|d\xE9\r\n")[1], Row("Ren\xC3\xA9", 9, "d\xC3\xA9"));
}

TEST(FormatHighScores, WritesTrimmedRowsAndPlaceholdersForNoScore) {
    HighScoreTable table = PlaceholderTable();
    table[1] = Row("  Ann  ", 57, " 05/12/2026 ");
    table[2] = Row("CPU", 35, "06/12/2026");
    table[3] = Row("Zero", 0, "01/01/2026");
    table[4] = Row("Minus", -5, "01/01/2026");
    table[5] = Row("", 0, "");
    table[6] = Row("Ren\xC3\xA9 \xE8\x8A\xB1", 3, "d");
    const std::string text = FormatHighScores(table);
    EXPECT_EQ(text,
              "Ann\\57|05/12/2026\r\n"
              "CPU\\35|06/12/2026\r\n"
              "Player 3\\0|00/00/0000\r\n"
              "Player 4\\0|00/00/0000\r\n"
              "Player 5\\0|00/00/0000\r\n"
              "Ren\xE9 ?\\3|d\r\n"
              "Player 7\\0|00/00/0000\r\n"
              "Player 8\\0|00/00/0000\r\n"
              "Player 9\\0|00/00/0000\r\n"
              "Player 10\\0|00/00/0000\r\n");
}

TEST(FormatHighScores, ANameWithSeparatorsOrLineBreaksReadsBackAsWritten) {
    HighScoreTable table = PlaceholderTable();
    table[1] = Row("a\\b|c\r\nd\te", 80, "01/02/2026");
    const std::string text = FormatHighScores(table);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "a/b/cde\\80|01/02/2026");
    EXPECT_EQ(ParseHighScores(text)[1], Row("a/b/cde", 80, "01/02/2026"));
}

TEST(HighScoresFile, RandomBytesReadWithoutHarmAndSettleAfterOneSave) {
    std::mt19937 bytes(77);
    for (int round = 0; round < 500; ++round) {
        std::string junk(bytes() % 400, '\0');
        for (char& c : junk) {
            const unsigned pick = bytes() % 12;
            c = pick == 0 ? '\\' : pick == 1 ? '|' : pick == 2 ? '\n' : static_cast<char>(bytes());
        }
        const std::string saved = FormatHighScores(ParseHighScores(junk));
        EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 10);
        EXPECT_EQ(FormatHighScores(ParseHighScores(saved)), saved);
    }
}

class HighScoresOnDisk : public ::testing::Test {
protected:
    test::ScratchFolder folder;
    test::RecordingHost host;
    Session session{host};

    void SetUp() override { session.ProgramFolder = folder.Folder(); }
};

TEST_F(HighScoresOnDisk, FirstStartCreatesTheTenPlaceholderLines) {
    ReadHighScores(session);
    EXPECT_EQ(session.highScores, PlaceholderTable());
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), PlaceholderFile);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"VMSCORES.DAT"});
}

TEST_F(HighScoresOnDisk, AFileInOtherLetterCaseCountsAsAbsent) {
    folder.Write("vmscores.dat", "Ann\\57|05/12/2026\r\n");
    ReadHighScores(session);
    EXPECT_EQ(session.highScores, PlaceholderTable());
    EXPECT_EQ(folder.Read("vmscores.dat"), "Ann\\57|05/12/2026\r\n");
}

TEST_F(HighScoresOnDisk, AShortFileIsReadAsItIsAndCompletedByTheNextWrite) {
    folder.Write("VMSCORES.DAT", "A\\30|d1\r\nB\\20|d2\r\nC\\10|d3\r\n");
    ReadHighScores(session);
    EXPECT_EQ(session.highScores[3], Row("C", 10, "d3"));
    EXPECT_EQ(session.highScores[4], HighScoreEntry{});
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), "A\\30|d1\r\nB\\20|d2\r\nC\\10|d3\r\n");
    EXPECT_TRUE(WriteHighScores(session));
    const std::string written = folder.Read("VMSCORES.DAT");
    EXPECT_EQ(written.rfind("A\\30|d1\r\nB\\20|d2\r\nC\\10|d3\r\nPlayer 4\\0|00/00/0000\r\n", 0), 0u);
    EXPECT_EQ(ParseHighScores(written)[10], Row("Player 10", 0, "00/00/0000"));
}

TEST_F(HighScoresOnDisk, AnUnreadableFileGivesPlaceholdersAndIsNotOverwrittenByReading) {
    std::filesystem::create_directory(folder.Path("VMSCORES.DAT"));
    ReadHighScores(session);
    EXPECT_EQ(session.highScores, PlaceholderTable());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path("VMSCORES.DAT")));
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(HighScoresOnDisk, ATableThatCannotBeSavedStaysInMemoryAndIsToldOnce) {
    folder.Write("program", "a file, not a folder");
    session.ProgramFolder = folder.Path("program/");
    ReadHighScores(session);
    session.highScores[1] = Row("Ann", 57, "05/12/2026");
    EXPECT_FALSE(WriteHighScores(session));
    EXPECT_EQ(session.highScores[1], Row("Ann", 57, "05/12/2026"));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_NE(host.Messages[0].find("VMSCORES.DAT"), std::string::npos);
    EXPECT_NE(host.Messages[0].find("Not a directory"), std::string::npos);
}

TEST_F(HighScoresOnDisk, OptionsAndScoresFailuresAreToldSeparately) {
    folder.Write("program", "");
    session.ProgramFolder = folder.Path("program/");
    EXPECT_FALSE(WriteHighScores(session));
    EXPECT_FALSE(WriteOptions(session));
    EXPECT_FALSE(WriteHighScores(session));
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_NE(host.Messages[0].find("VMSCORES.DAT"), std::string::npos);
    EXPECT_NE(host.Messages[1].find("VELMORIA.INI"), std::string::npos);
}

}  // namespace
}  // namespace vm

#include "records/high_scores_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/records/records_fixture.h"

namespace vm {
namespace {

HighScoreEntry Row(std::string name, std::int16_t score, std::string date) {
    return {std::move(name), score, std::move(date)};
}

HighScoreEntry Placeholder(int row) {
    return Row("Player " + std::to_string(row), 0, "00/00/0000");
}

TEST(ParseHighScores, EachLineFillsItsRowAndMalformedOnesGiveThePlaceholder) {
    const HighScoreTable table = ParseHighScores(
        "Ann\\57|05/12/2026\r\n"
        "  Bo  \\ 4 2 |x|y\\z \n"  // split at the first "\" and "|", nothing trimmed
        "c\\40.5|d\r\n"
        "d\\41.5|d\r\n"
        "e\\x9|d\r\n"
        "Ren\xE9\\99999|d\xE9\r\n"
        "\r\n"
        "only\\backslash\r\n"
        "only|bar\r\n"
        "bar|before\\5\r\n"
        "Extra\\99|01/01/2026\r\n");
    const std::vector<HighScoreEntry> expected = {
        Row("Ann", 57, "05/12/2026"), Row("  Bo  ", 42, "x|y\\z "),
        Row("c", 40, "d"),  // decimals rounded half to even
        Row("d", 42, "d"),
        Row("e", 0, "d"),
        Row("Ren\xC3\xA9", 32767, "d\xC3\xA9"),  // clamped; single-byte text read as UTF-8
        Placeholder(7),     Placeholder(8), Placeholder(9), Placeholder(10),
    };
    for (int row = 1; row <= 10; ++row) EXPECT_EQ(table[row], expected[row - 1]) << "row " << row;
    EXPECT_EQ(ParseHighScores("a\\-3|d\n")[1].Score, -3);
}

TEST(FormatHighScores, WritesTenTrimmedStorableRowsAndPlaceholdersForNoScore) {
    HighScoreTable table = PlaceholderTable();
    table[1] = Row("  Ann  ", 57, " 05/12/2026 ");
    table[2] = Row("CPU", 35, "06/12/2026");
    table[3] = Row("Zero", 0, "01/01/2026");
    table[4] = Row("Minus", -5, "01/01/2026");
    table[5] = Row("", 0, "");
    table[6] = Row("Ren\xC3\xA9 \xE8\x8A\xB1", 3, "d");
    table[7] = Row("a\\b|c\r\nd\te", 80, "01/02/2026");
    const std::string text = FormatHighScores(table);
    EXPECT_EQ(text,
              "Ann\\57|05/12/2026\r\n"
              "CPU\\35|06/12/2026\r\n"
              "Player 3\\0|00/00/0000\r\n"
              "Player 4\\0|00/00/0000\r\n"
              "Player 5\\0|00/00/0000\r\n"
              "Ren\xE9 ?\\3|d\r\n"
              "a/b/cde\\80|01/02/2026\r\n"
              "Player 8\\0|00/00/0000\r\n"
              "Player 9\\0|00/00/0000\r\n"
              "Player 10\\0|00/00/0000\r\n");
    EXPECT_EQ(ParseHighScores(text)[7], Row("a/b/cde", 80, "01/02/2026"));
}

using HighScoresOnDisk = test::RecordsTest;

TEST_F(HighScoresOnDisk, AShortFileIsReadAsItIsAndCompletedByTheNextWrite) {
    const std::string shortFile = "A\\30|d1\r\nB\\20|d2\r\nC\\10|d3";
    folder.Write("VMSCORES.DAT", shortFile);
    ReadHighScores(session);
    EXPECT_EQ(session.highScores[3], Row("C", 10, "d3"));
    for (int row = 4; row <= 10; ++row) EXPECT_EQ(session.highScores[row], HighScoreEntry{});
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), shortFile);
    EXPECT_TRUE(WriteHighScores(session));
    std::string expected = test::PlaceholderScoresFile;
    expected.replace(0, expected.find("Player 4"), shortFile + "\r\n");
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), expected);
}

}  // namespace
}  // namespace vm

#include "records/high_scores_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/records/records_fixture.h"

namespace vm {
namespace {

TEST(ParseHighScores, EachLineFillsItsRowAndMalformedOnesGiveThePlaceholder) {
    const HighScoreTable table = ParseHighScores(
        "Ann\\57|05/12/2026\r\n"
        "  Bo  \\ 4 2 |x|y\\z \n"  // split at the first "\" and "|", nothing trimmed
        "Ren\xE9\\99999|d\xE9\r\n"
        "\r\n"
        "only\\backslash\r\n"
        "only|bar\r\n"
        "bar|before\\5\r\n"
        "\r\n\r\n\r\n"
        "Extra\\99|01/01/2026\r\n");
    HighScoreTable expected = PlaceholderTable();
    expected[1] = {"Ann", 57, "05/12/2026"};
    expected[2] = {"  Bo  ", 42, "x|y\\z "};
    expected[3] = {"Ren\xC3\xA9", 32767, "d\xC3\xA9"};  // clamped; single bytes read as Latin-1
    EXPECT_EQ(table, expected);
}

TEST(FormatHighScores, WritesTenTrimmedStorableRowsAndPlaceholdersForNoScore) {
    HighScoreTable table = PlaceholderTable();
    table[1] = {"  Ann  ", 57, " 05/12/2026 "};
    table[3] = {"Zero", 0, "01/01/2026"};
    table[4] = {"Minus", -5, "01/01/2026"};
    table[5] = {"", 0, ""};
    table[6] = {"Ren\xC3\xA9 \xE8\x8A\xB1", 3, "d"};
    table[7] = {"a\\b|c\r\nd\te", 80, "01/02/2026"};
    EXPECT_EQ(FormatHighScores(table),
              "Ann\\57|05/12/2026\r\n"
              "Player 2\\0|00/00/0000\r\n"
              "Player 3\\0|00/00/0000\r\n"
              "Player 4\\0|00/00/0000\r\n"
              "Player 5\\0|00/00/0000\r\n"
              "Ren\xE9 ?\\3|d\r\n"
              "a/b/cde\\80|01/02/2026\r\n"
              "Player 8\\0|00/00/0000\r\n"
              "Player 9\\0|00/00/0000\r\n"
              "Player 10\\0|00/00/0000\r\n");
}

using HighScoresOnDisk = test::RecordsTest;

TEST_F(HighScoresOnDisk, AShortFileIsReadAsItIsAndCompletedByTheNextWrite) {
    const std::string shortFile = "A\\30|d1\r\nB\\20|d2\r\nC\\10|d3";
    folder.Write("VMSCORES.DAT", shortFile);
    ReadHighScores(session);
    EXPECT_EQ(session.highScores[3], (HighScoreEntry{"C", 10, "d3"}));
    for (int row = 4; row <= 10; ++row) EXPECT_EQ(session.highScores[row], HighScoreEntry{});
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), shortFile);
    EXPECT_TRUE(WriteHighScores(session));
    std::string expected = test::PlaceholderScoresFile();
    expected.replace(0, expected.find("Player 4"), shortFile + "\r\n");
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), expected);
}

}  // namespace
}  // namespace vm

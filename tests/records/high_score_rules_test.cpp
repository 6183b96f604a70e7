#include "records/high_score_rules.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "records/high_scores_file.h"

namespace vm {
namespace {

HighScoreTable TableOf(std::initializer_list<std::int16_t> scores) {
    HighScoreTable table = PlaceholderTable();
    int row = 0;
    for (std::int16_t score : scores) {
        ++row;
        table[row] = {"Row " + std::to_string(row), score, "01/01/2026"};
    }
    return table;
}

TEST(QualifiesForHighScore, NeedsToBeatARowNotJustEqualIt) {
    EXPECT_TRUE(QualifiesForHighScore(PlaceholderTable(), 1));
    EXPECT_FALSE(QualifiesForHighScore(PlaceholderTable(), 0));
    const HighScoreTable full = TableOf({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    EXPECT_FALSE(QualifiesForHighScore(full, 5));
    EXPECT_TRUE(QualifiesForHighScore(full, 6));
    EXPECT_TRUE(QualifiesForHighScore(full, 91));
}

TEST(InsertHighScore, AWinOverPlaceholdersTakesRowOneAndPushesTheRestDown) {
    HighScoreTable table = PlaceholderTable();
    InsertHighScore(table, 40, "Player", "06/12/2026");
    EXPECT_EQ(table[1], (HighScoreEntry{"Player", 40, "06/12/2026"}));
    for (int row = 2; row <= 10; ++row) {
        EXPECT_EQ(table[row].Name, "Player " + std::to_string(row - 1));
    }
}

TEST(InsertHighScore, AnEqualScoreGoesBelowTheOlderOnes) {
    HighScoreTable table = TableOf({60, 50, 50, 40});
    InsertHighScore(table, 50, "New", "d");
    EXPECT_EQ(table[3].Name, "Row 3");
    EXPECT_EQ(table[4], (HighScoreEntry{"New", 50, "d"}));
    EXPECT_EQ(table[5].Name, "Row 4");
    EXPECT_EQ(table[5].Score, 40);
}

TEST(InsertHighScore, TheTenthRowDropsOffAndANonQualifyingScoreChangesNothing) {
    HighScoreTable table = TableOf({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    const HighScoreTable before = table;
    InsertHighScore(table, 5, "Tie", "d");
    EXPECT_EQ(table, before);
    InsertHighScore(table, 35, "CPU", "d");
    EXPECT_EQ(table[7], (HighScoreEntry{"CPU", 35, "d"}));
    EXPECT_EQ(table[10].Score, 10);
}

TEST(InsertHighScore, KeepsBlanksButMakesTheNameStorable) {
    HighScoreTable table = PlaceholderTable();
    InsertHighScore(table, 20, "  Ann  ", "d");
    EXPECT_EQ(table[1].Name, "  Ann  ");
    InsertHighScore(table, 30, "x\\y|z\n", "d");
    EXPECT_EQ(table[1].Name, "x/y/z");
}

TEST(StorableName, ReplacesSeparatorsAndDropsControlCharacters) {
    EXPECT_EQ(StorableName("Ann"), "Ann");
    EXPECT_EQ(StorableName("a\\b|c"), "a/b/c");
    EXPECT_EQ(StorableName(std::string("a\0b\tc\x7F" "d\r\n", 9)), "abcd");
    EXPECT_EQ(StorableName("a\xC2\x85z"), "az");                  // U+0085, a C1 control
    EXPECT_EQ(StorableName("Ren\xC3\xA9 \xC2\xA0!"), "Ren\xC3\xA9 \xC2\xA0!");  // é and NBSP stay
    EXPECT_EQ(StorableName("end\xC2"), "end\xC2");               // cut short, left to Latin-1
}

TEST(TrimBlanks, RemovesOnlyOuterBlanks) {
    EXPECT_EQ(TrimBlanks("  Ann  "), "Ann");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks(" a b "), "a b");
    EXPECT_EQ(TrimBlanks("\ta "), "\ta");
}

TEST(DateText, IsTwoDigitDayAndMonthAndFourDigitYear) {
    std::tm date{};
    date.tm_mday = 5;
    date.tm_mon = 11;
    date.tm_year = 126;
    EXPECT_EQ(DateText(date), "05/12/2026");
    date.tm_mday = 31;
    date.tm_mon = 0;
    date.tm_year = 99;
    EXPECT_EQ(DateText(date), "31/01/1999");
    EXPECT_TRUE(std::regex_match(TodayText(), std::regex(R"(\d\d/\d\d/\d{4})")));
}

}  // namespace
}  // namespace vm

#include "records/high_score_rules.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "records/high_scores_file.h"

namespace vm {
namespace {

TEST(HighScoreRules, AResultMustBeatARowAndGoesBelowEqualScoresPushingTheTenthOff) {
    EXPECT_TRUE(QualifiesForHighScore(PlaceholderTable(), 1));
    EXPECT_FALSE(QualifiesForHighScore(PlaceholderTable(), 0));
    HighScoreTable table = PlaceholderTable();
    const std::int16_t scores[] = {90, 80, 70, 60, 50, 50, 30, 20, 10, 5};
    for (int row = 1; row <= 10; ++row) {
        table[row] = {"Row " + std::to_string(row), scores[row - 1], "d"};
    }
    EXPECT_FALSE(QualifiesForHighScore(table, 5));
    EXPECT_TRUE(QualifiesForHighScore(table, 6));
    InsertHighScore(table, 50, "New", "d");
    EXPECT_EQ(table[6].Name, "Row 6");
    EXPECT_EQ(table[7], (HighScoreEntry{"New", 50, "d"}));
    EXPECT_EQ(table[8].Name, "Row 7");
    EXPECT_EQ(table[10].Name, "Row 9");
}

TEST(StorableName, ReplacesSeparatorsAndDropsControlCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"  Ann  ", "  Ann  "},
        {"a\\b|c", "a/b/c"},
        {std::string("a\0b\tc\177d\r\n", 9), "abcd"},
        {"a\xC2\x85z", "az"},                                // U+0085, a C1 control
        {"Ren\xC3\xA9 \xC2\xA0!", "Ren\xC3\xA9 \xC2\xA0!"},  // é and NBSP stay
        {"end\xC2", "end\xC2"},                              // cut short, left to Latin-1
    };
    for (const auto& [name, stored] : cases) EXPECT_EQ(StorableName(name), stored) << name;
}

TEST(DateText, IsDayMonthAndFourDigitYearEachPadded) {
    std::tm date{};
    date.tm_mday = 5;
    date.tm_mon = 11;
    date.tm_year = 126;
    EXPECT_EQ(DateText(date), "05/12/2026");
}

}  // namespace
}  // namespace vm

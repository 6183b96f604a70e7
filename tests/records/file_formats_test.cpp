// The two files as written and as read back, with the text they store: the high scores with
// their rules, and the options.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "records/high_score_rules.h"
#include "records/high_scores_file.h"
#include "records/latin1.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using namespace std::string_literals;

TEST(HighScoreRules, AResultMustBeatARowAndGoesBelowEqualScoresPushingTheTenthOff) {
    EXPECT_FALSE(QualifiesForHighScore(PlaceholderTable(), 0));
    HighScoreTable table = PlaceholderTable();
    const std::int16_t scores[] = {90, 80, 70, 60, 50, 50, 30, 20, 10, 5};
    for (int row = 1; row <= 10; ++row)
        table[row] = {"Row " + std::to_string(row), scores[row - 1], "d"};
    EXPECT_FALSE(QualifiesForHighScore(table, 5));
    EXPECT_TRUE(QualifiesForHighScore(table, 6));
    InsertHighScore(table, 50, "New", "d");
    EXPECT_EQ(table[6].Name, "Row 6");
    EXPECT_EQ(table[7], (HighScoreEntry{"New", 50, "d"}));
    EXPECT_EQ(table[8].Name, "Row 7");
    EXPECT_EQ(table[10].Name, "Row 9");
}

TEST(HighScoreRules, TheDateIsDayMonthAndFourDigitYearEachPadded) {
    std::tm date{};
    date.tm_mday = 5;
    date.tm_mon = 11;
    date.tm_year = 126;
    EXPECT_EQ(DateText(date), "05/12/2026");
}

// A name loses the file's separators and control characters; what Latin-1, the files' own
// encoding, cannot hold becomes one question mark, and every Latin-1 byte reads back.
TEST(StoredText, NamesLoseSeparatorsAndControlsAndLatin1HoldsWhatItCan) {
    const struct {
        std::string (*store)(std::string_view);
        std::string text, stored;
    } cases[] = {
        {StorableName, "  Ann  ", "  Ann  "},
        {StorableName, "a\0b\tc\177d\r\n"s, "abcd"},
        {StorableName, "a\xC2\x85z", "az"},                                // U+0085, a C1 control
        {StorableName, "Ren\xC3\xA9 \xC2\xA0!", "Ren\xC3\xA9 \xC2\xA0!"},  // é and NBSP stay
        {StorableName, "end\xC2", "end\xC2"},  // cut short, left to Latin-1
        {Utf8ToLatin1, "Jos\xC3\xA9 M\xC3\xBCller \xC3\xBF", "Jos\xE9 M\xFCller \xFF"},
        {Utf8ToLatin1, "a\xF0\x9F\x8C\xB8z", "a?z"},  // an emoji, four bytes
        {Utf8ToLatin1, "\xC3", "?"},                  // cut short at the end
        {Utf8ToLatin1, "\x80\xBF", "??"},             // stray continuation bytes
        {Utf8ToLatin1, "\xED\xA0\x80", "???"},        // a surrogate
    };
    for (const auto& c : cases) EXPECT_EQ(c.store(c.text), c.stored) << c.text;

    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
}

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

TEST(ParseOptions, EachLineChangesOnlyItsOwnOptionAsItReadsIt) {
    const std::pair<std::string_view, GameOptions> cases[] = {
        {test::DefaultOptionsFile, {}},
        {"no brackets here\r\n]\r\n[unknown]=on\r\n", {}},
        {"[debug]=oN", {.DebugMode = true}},
        {"[sound]=off\r\n[sound]=ON", {}},  // flags are "on" in any case, the last wins
        {"[sound]=on ", {.SoundEffectsOn = false}},
        {"[sound] = on", {.SoundEffectsOn = false}},  // one character skipped: the value is "= on"
        {"[sound]=off\r\n[Sound]=on", {.SoundEffectsOn = false}},  // keys are case-sensitive
        {"[cardback]=", {.CardBackFile = CardName()}},
        {"[musictrack]=f\xEAte.mid\r\n", {.MusicTrack = "f\xC3\xAAte.mid"}},
        {"[speed]=1\n[music]=off\n[cardback]=red.bmp",
         {.DealSpeed = 1, .BackgroundMusicOn = false, .CardBackFile = CardName("red.bmp")}},
        // The speed is a decimal rounded half to even and clamped to 16 bits.
        {"[speed]=", {.DealSpeed = 0}},
        {"[speed]=fast", {.DealSpeed = 0}},
        {"[speed]=2.5", {.DealSpeed = 2}},
        {"[speed]=3.5", {.DealSpeed = 4}},
        {"[speed]= 1 2", {.DealSpeed = 12}},
        {"[speed]=-1", {.DealSpeed = -1}},
        {"[speed]=32768", {.DealSpeed = 32767}},
        {"[speed]=-40000", {.DealSpeed = -32768}},
    };
    for (const auto& [file, options] : cases)
        EXPECT_EQ(ParseOptions(file).Options, options) << file;
}

// The defaults are written at the first start.
TEST(FormatOptions, WritesEveryFieldAsStoredInSevenLines) {
    const GameOptions changed{.ShowSuitsAndScores = false,
                              .DebugMode = true,
                              .DealSpeed = -7,
                              .SoundEffectsOn = false,
                              .BackgroundMusicOn = false,
                              .MusicTrack = " f\xC3\xAAte \xE8\x8A\xB1.mid",
                              .CardBackFile = CardName()};
    EXPECT_EQ(FormatOptions(changed),
              "[suitsandscores]=off\r\n"
              "[debug]=on\r\n"
              "[speed]=-7\r\n"
              "[sound]=off\r\n"
              "[music]=off\r\n"
              "[musictrack]= f\xEAte ?.mid\r\n"
              "[cardback]=\r\n");

    GameOptions broken;
    broken.MusicTrack = "two\r\nlines.mid";  // a line break cannot add a line
    EXPECT_EQ(ParseOptions(FormatOptions(broken)).Options.MusicTrack, "twolines.mid");
}

}  // namespace
}  // namespace vm

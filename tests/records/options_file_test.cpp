#include "records/options_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/records/records_fixture.h"

namespace vm {
namespace {

TEST(ParseOptions, EachLineChangesOnlyItsOwnOptionAsItReadsIt) {
    const std::pair<std::string_view, GameOptions> cases[] = {
        {"", {}},
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

#include "records/options_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/records/records_fixture.h"

namespace vm {
namespace {

GameOptions Parsed(std::string_view bytes) { return ParseOptions(bytes).Options; }

TEST(ParseOptions, EachLineChangesOnlyItsOwnOption) {
    struct Case {
        std::string_view file;
        void (*change)(GameOptions&);  // from the defaults; none for the defaults themselves
    };
    const auto soundOff = [](GameOptions& o) { o.SoundEffectsOn = false; };
    const Case cases[] = {
        {"", nullptr},
        {test::DefaultOptionsFile, nullptr},
        {"no brackets here\r\n]\r\n[unknown]=on\r\n", nullptr},
        {"[debug]=oN", [](GameOptions& o) { o.DebugMode = true; }},
        {"[sound]=off\r\n[sound]=ON", nullptr},  // flags are "on" in any case, the last wins
        {"[sound]=yes", soundOff},
        {"[sound]=on ", soundOff},
        {"[sound] = on", soundOff},               // one character skipped: the value is "= on"
        {"[sound]=off\r\n[Sound]=on", soundOff},  // keys are case-sensitive
        {"[suitsandscores]=off", [](GameOptions& o) { o.ShowSuitsAndScores = false; }},
        {"[music]=off", [](GameOptions& o) { o.BackgroundMusicOn = false; }},
        {"[cardback]=", [](GameOptions& o) { o.CardBackFile = ""; }},
        {"[musictrack]= a=b ", [](GameOptions& o) { o.MusicTrack = " a=b "; }},
        {"[musictrack]=f\xEAte.mid\r\n", [](GameOptions& o) { o.MusicTrack = "f\xC3\xAAte.mid"; }},
        {"[speed]=1\n[musictrack]=rain.mid\n[cardback]=red.bmp",
         [](GameOptions& o) {
             o.DealSpeed = 1;
             o.MusicTrack = "rain.mid";
             o.CardBackFile = "red.bmp";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        GameOptions expected;
        if (c.change != nullptr) c.change(expected);
        EXPECT_EQ(Parsed(c.file), expected);
    }
}

TEST(ParseOptions, SpeedIsADecimalRoundedHalfToEvenAndClampedTo16Bits) {
    const std::pair<std::string_view, int> cases[] = {
        {"", 0},        {"fast", 0},         {"2.5", 2},       {"3.5", 4},     {"2.51", 3},
        {" 1 2", 12},   {"7x9", 7},          {"-1", -1},       {"32768", 32767},
        {"-40000", -32768},                  {"99999999999999999999999", 32767},
    };
    for (const auto& [value, speed] : cases) {
        EXPECT_EQ(Parsed("[speed]=" + std::string(value)).DealSpeed, speed) << value;
    }
}

TEST(FormatOptions, WritesEveryFieldAsStoredInSevenLines) {
    EXPECT_EQ(FormatOptions(GameOptions{}), test::DefaultOptionsFile);
    const GameOptions changed{.ShowSuitsAndScores = false,
                              .DebugMode = true,
                              .DealSpeed = -7,
                              .SoundEffectsOn = false,
                              .BackgroundMusicOn = false,
                              .MusicTrack = " f\xC3\xAAte \xE8\x8A\xB1.mid",
                              .CardBackFile = ""};
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
    EXPECT_EQ(Parsed(FormatOptions(broken)).MusicTrack, "twolines.mid");
}

using OptionsOnDisk = test::RecordsTest;

TEST_F(OptionsOnDisk, AFileWithOnlyDebugIsNotRewrittenUntilTheNextSave) {
    session.music.MusicTrackChanged = true;
    folder.Write("VELMORIA.INI", "[debug]=on\n");
    ReadOptions(session);
    EXPECT_TRUE(session.options.DebugMode);
    EXPECT_TRUE(session.music.MusicTrackChanged);  // no track line was read
    EXPECT_EQ(folder.Read("VELMORIA.INI"), "[debug]=on\n");
    EXPECT_TRUE(WriteOptions(session));
    std::string expected = test::DefaultOptionsFile;
    expected.replace(expected.find("[debug]=off"), 11, "[debug]=on");
    EXPECT_EQ(folder.Read("VELMORIA.INI"), expected);

    ReadOptions(session);  // now with its track line
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

}  // namespace
}  // namespace vm

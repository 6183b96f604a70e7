#include "records/options_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "game/session.h"
#include "tests/records/recording_host.h"
#include "tests/records/scratch_folder.h"

namespace vm {
namespace {

const char* const DefaultFile =
    "[suitsandscores]=on\r\n"
    "[debug]=off\r\n"
    "[speed]=3\r\n"
    "[sound]=on\r\n"
    "[music]=on\r\n"
    "[musictrack]=haiku.mid\r\n"
    "[cardback]=back.bmp\r\n";

GameOptions Parsed(std::string_view bytes) { return ParseOptions(bytes).Options; }

TEST(ParseOptions, NothingReadGivesTheDefaults) {
    EXPECT_EQ(Parsed(""), GameOptions{});
    EXPECT_EQ(Parsed("no brackets here\r\n]\r\n[unknown]=on\r\n"), GameOptions{});
    EXPECT_EQ(Parsed(DefaultFile), GameOptions{});
}

TEST(ParseOptions, FlagsAreOnOnlyForOnInAnyCase) {
    EXPECT_TRUE(Parsed("[debug]=on").DebugMode);
    EXPECT_TRUE(Parsed("[debug]=oN").DebugMode);
    EXPECT_TRUE(Parsed("[sound]=ON").SoundEffectsOn);
    EXPECT_FALSE(Parsed("[sound]=").SoundEffectsOn);
    EXPECT_FALSE(Parsed("[sound]=yes").SoundEffectsOn);
    EXPECT_FALSE(Parsed("[sound]=on ").SoundEffectsOn);
    EXPECT_FALSE(Parsed("[suitsandscores]=off").ShowSuitsAndScores);
    EXPECT_FALSE(Parsed("[music]=off").BackgroundMusicOn);
}

TEST(ParseOptions, KeysAreCaseSensitiveAndUpToTheFirstBracket) {
    EXPECT_TRUE(Parsed("[Sound]=off").SoundEffectsOn);
    EXPECT_FALSE(Parsed("[Debug]=on").DebugMode);
    EXPECT_FALSE(Parsed(" [debug]=on").DebugMode);
    EXPECT_FALSE(Parsed("[debug]]=on").DebugMode);  // value "=on"
}

TEST(ParseOptions, ExactlyOneCharacterAfterTheKeyIsSkipped) {
    // Blanks around the equals sign leave a value that begins with "=".
    EXPECT_FALSE(Parsed("[sound] = on").SoundEffectsOn);
    EXPECT_TRUE(Parsed("[debug]:on").DebugMode);
    EXPECT_EQ(Parsed("[musictrack]= spaced .mid ").MusicTrack, " spaced .mid ");
    EXPECT_EQ(Parsed("[musictrack]=a=b").MusicTrack, "a=b");
}

TEST(ParseOptions, AKeyWithNothingAfterItGivesTheEmptyValue) {
    EXPECT_EQ(Parsed("[cardback]=").CardBackFile, "");
    EXPECT_EQ(Parsed("[cardback]").CardBackFile, "");
    EXPECT_EQ(Parsed("[musictrack]=\r\n").MusicTrack, "");
}

TEST(ParseOptions, SpeedIsADecimalRoundedHalfToEvenAndClampedTo16Bits) {
    EXPECT_EQ(Parsed("[speed]=2").DealSpeed, 2);
    EXPECT_EQ(Parsed("[speed]=").DealSpeed, 0);
    EXPECT_EQ(Parsed("[speed]=fast").DealSpeed, 0);
    EXPECT_EQ(Parsed("[speed]=2.5").DealSpeed, 2);
    EXPECT_EQ(Parsed("[speed]=3.5").DealSpeed, 4);
    EXPECT_EQ(Parsed("[speed]=2.51").DealSpeed, 3);
    EXPECT_EQ(Parsed("[speed]= 1 2").DealSpeed, 12);
    EXPECT_EQ(Parsed("[speed]=7x9").DealSpeed, 7);
    EXPECT_EQ(Parsed("[speed]=-1").DealSpeed, -1);
    EXPECT_EQ(Parsed("[speed]=32768").DealSpeed, 32767);
    EXPECT_EQ(Parsed("[speed]=99999999999999999999999").DealSpeed, 32767);
    EXPECT_EQ(Parsed("[speed]=-40000").DealSpeed, -32768);
}

TEST(ParseOptions, TheLastOfRepeatedKeysWins) {
    EXPECT_EQ(Parsed("[speed]=1\r\n[speed]=2\r\n").DealSpeed, 2);
    EXPECT_FALSE(Parsed("[debug]=on\n[debug]=off\n").DebugMode);
}

TEST(ParseOptions, AFileWithOnlyDebugOnKeepsTheOtherDefaults) {
    GameOptions expected;
    expected.DebugMode = true;
    const OptionsReading reading = ParseOptions("[debug]=on\r\n");
    EXPECT_EQ(reading.Options, expected);
    EXPECT_FALSE(reading.MusicTrackRead);
}

TEST(ParseOptions, LinesEndedBySingleLfReadTheSame) {
    std::string lfOnly = DefaultFile;
    std::erase(lfOnly, '\r');
    const std::string changed = "[speed]=1\n[musictrack]=rain.mid\n[cardback]=red.bmp";
    EXPECT_EQ(Parsed(lfOnly), GameOptions{});
    const GameOptions options = Parsed(changed);
    EXPECT_EQ(options.DealSpeed, 1);
    EXPECT_EQ(options.MusicTrack, "rain.mid");
    EXPECT_EQ(options.CardBackFile, "red.bmp");
}

TEST(ParseOptions, SingleByteTextBecomesUtf8) {
    const OptionsReading reading = ParseOptions("[musictrack]=f\xEAte.mid\r\n");
    EXPECT_EQ(reading.Options.MusicTrack, "f\xC3\xAAte.mid");
    EXPECT_TRUE(reading.MusicTrackRead);
}

TEST(FormatOptions, TheDefaultsGiveTheSevenDefaultLines) {
    EXPECT_EQ(FormatOptions(GameOptions{}), DefaultFile);
}

TEST(FormatOptions, WritesEveryFieldAsStored) {
    GameOptions options;
    options.ShowSuitsAndScores = false;
    options.DebugMode = true;
    options.DealSpeed = -7;
    options.SoundEffectsOn = false;
    options.BackgroundMusicOn = false;
    options.MusicTrack = " f\xC3\xAAte \xE8\x8A\xB1.mid";
    options.CardBackFile = "";
    EXPECT_EQ(FormatOptions(options),
              "[suitsandscores]=off\r\n"
              "[debug]=on\r\n"
              "[speed]=-7\r\n"
              "[sound]=off\r\n"
              "[music]=off\r\n"
              "[musictrack]= f\xEAte ?.mid\r\n"
              "[cardback]=\r\n");
}

TEST(FormatOptions, ALineBreakInAFileNameCannotAddALine) {
    GameOptions options;
    options.MusicTrack = "two\r\nlines.mid";
    const std::string text = FormatOptions(options);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_EQ(Parsed(text).MusicTrack, "twolines.mid");
}

TEST(OptionsFile, RandomBytesReadWithoutHarmAndSettleAfterOneSave) {
    std::mt19937 bytes(20260105);
    for (int round = 0; round < 500; ++round) {
        std::string junk(bytes() % 300, '\0');
        for (char& c : junk) {
            // Brackets, line ends and known keys often enough to reach every branch.
            const unsigned pick = bytes() % 16;
            c = pick == 0 ? ']' : pick == 1 ? '\n' : pick == 2 ? '\r' : static_cast<char>(bytes());
        }
        if (round % 3 == 0) junk.insert(bytes() % (junk.size() + 1), "\n[speed]=");
        const std::string saved = FormatOptions(Parsed(junk));
        EXPECT_EQ(FormatOptions(Parsed(saved)), saved);
    }
}

class OptionsOnDisk : public ::testing::Test {
protected:
    test::ScratchFolder folder;
    test::RecordingHost host;
    Session session{host};

    void SetUp() override { session.ProgramFolder = folder.Folder(); }
};

TEST_F(OptionsOnDisk, FirstStartCreatesTheDefaultFile) {
    session.options.DebugMode = true;
    ReadOptions(session);
    EXPECT_EQ(session.options, GameOptions{});
    EXPECT_EQ(folder.Read("VELMORIA.INI"), DefaultFile);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"VELMORIA.INI"});
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(OptionsOnDisk, AFileInOtherLetterCaseCountsAsAbsentAndIsLeftAlone) {
    folder.Write("Velmoria.ini", "[debug]=on\r\n");
    ReadOptions(session);
    EXPECT_FALSE(session.options.DebugMode);
    EXPECT_EQ(folder.Read("VELMORIA.INI"), DefaultFile);
    EXPECT_EQ(folder.Read("Velmoria.ini"), "[debug]=on\r\n");
}

TEST_F(OptionsOnDisk, ReadingNeverRewritesAndTheNextSaveWritesAllSevenLines) {
    folder.Write("VELMORIA.INI", "[debug]=on\n");
    ReadOptions(session);
    EXPECT_TRUE(session.options.DebugMode);
    EXPECT_EQ(folder.Read("VELMORIA.INI"), "[debug]=on\n");
    EXPECT_TRUE(WriteOptions(session));
    std::string expected = DefaultFile;
    expected.replace(expected.find("[debug]=off"), 11, "[debug]=on");
    EXPECT_EQ(folder.Read("VELMORIA.INI"), expected);
}

TEST_F(OptionsOnDisk, ReadingTheTrackLineClearsTheTrackChangedMark) {
    session.music.MusicTrackChanged = true;
    folder.Write("VELMORIA.INI", "[debug]=on\r\n");
    ReadOptions(session);
    EXPECT_TRUE(session.music.MusicTrackChanged);
    folder.Write("VELMORIA.INI", "[musictrack]=haiku.mid\r\n");
    ReadOptions(session);
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

TEST_F(OptionsOnDisk, AnUnreadableFileGivesTheDefaultsAndStaysAsItIs) {
    std::filesystem::create_directory(folder.Path("VELMORIA.INI"));
    session.options.DealSpeed = 1;
    ReadOptions(session);
    EXPECT_EQ(session.options, GameOptions{});
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path("VELMORIA.INI")));
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(OptionsOnDisk, AFolderThatCannotBeWrittenIsToldOnceWithTheFileAndTheReason) {
    folder.Write("program", "a file, not a folder");
    session.ProgramFolder = folder.Path("program/");
    ReadOptions(session);
    EXPECT_EQ(session.options, GameOptions{});
    session.options.DealSpeed = 1;
    EXPECT_FALSE(WriteOptions(session));
    EXPECT_FALSE(WriteOptions(session));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_NE(host.Messages[0].find(folder.Path("program/VELMORIA.INI")), std::string::npos);
    EXPECT_NE(host.Messages[0].find("Not a directory"), std::string::npos);
    EXPECT_EQ(folder.Read("program"), "a file, not a folder");
}

TEST_F(OptionsOnDisk, ASessionThatKeepsNoRecordsWritesNothing) {
    session.PersistRecords = false;
    EXPECT_FALSE(WriteOptions(session));
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_TRUE(host.Calls.empty());
}

}  // namespace
}  // namespace vm

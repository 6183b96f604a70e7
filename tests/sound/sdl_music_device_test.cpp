#include "ui/sound/sdl_music_device.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "tests/sound/sound_files.h"
#include "play/music_command.h"
#include "ui/sound/audio.h"

namespace vm {
namespace {

using namespace testing_sound;

class SdlMusicDeviceTest : public ::testing::Test {
  protected:
    SdlMusicDeviceTest() : folder(ScratchFolder()), track(folder + "haiku.mid") {
        WriteMidi(track, 0.5);
    }
    ~SdlMusicDeviceTest() override { std::filesystem::remove_all(folder); }

    std::string Status() { return device.Send(StatusCommand()); }
    // Seconds until the device reports the track stopped; the synthesiser keeps reporting
    // "playing" for a couple of seconds after the last note has faded.
    double SecondsUntilStopped() {
        const auto start = std::chrono::steady_clock::now();
        while (Status() == "playing" && SecondsSince(start) < 6)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return SecondsSince(start);
    }

    std::string folder;
    std::string track;
    SdlMusicDevice device;
};

TEST_F(SdlMusicDeviceTest, ATrackOpensPlaysStopsAtItsEndAndPlaysAgainFromTheStart) {
    EXPECT_EQ(device.Send(OpenCommand(track)), "");
    EXPECT_EQ(Status(), "stopped");
    // Other aliases and unknown commands leave the opened track alone.
    for (const char* command : {"STATUS Other MODE", "PLAY Other FROM 0", "CLOSE Other",
                                "PAUSE BackgroundMusic", "SEEK BackgroundMusic TO START", "",
                                "OPEN /elsewhere.mid TYPE SEQUENCER ALIAS BackgroundMusic"}) {
        EXPECT_EQ(device.Send(command), "") << command;
        EXPECT_EQ(Status(), "stopped") << command;
    }
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(device.Send(PlayCommand()), "");
        EXPECT_EQ(Status(), "playing");
        EXPECT_GE(SecondsUntilStopped(), 0.45) << "round " << round;
        EXPECT_EQ(Status(), "stopped");
    }
}

TEST_F(SdlMusicDeviceTest, ClosingStopsTheTrackAndForgetsTheAliasAsTheDeviceDoesAtItsEnd) {
    device.Send(OpenCommand(track));
    device.Send(PlayCommand());
    ASSERT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(device.Send(CloseCommand()), "");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(device.Send(CloseCommand()), "");
    {
        SdlMusicDevice other;
        other.Send(OpenCommand(track));
        other.Send(PlayCommand());
        ASSERT_NE(Mix_PlayingMusic(), 0);
    }
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_TRUE(AudioIsOpen());
}

TEST_F(SdlMusicDeviceTest, APathWithBlanksOpensOnlyInQuotes) {
    std::filesystem::create_directory(folder + "my tracks");
    const std::string spaced = folder + "my tracks/spring rain.mid";
    WriteMidi(spaced, 0.2);
    device.Send("OPEN " + spaced + " TYPE SEQUENCER ALIAS BackgroundMusic");
    EXPECT_EQ(Status(), "");
    device.Send(OpenCommand(spaced));
    EXPECT_EQ(Status(), "stopped");
}

// A missing track is never opened; the synthesiser accepts any broken file named like a
// track and finds out only when playing it.
TEST_F(SdlMusicDeviceTest, MissingOrBrokenTracksAreSilentAndEndAtOnce) {
    WriteBytes(folder + "noise.mid", std::string(500, '\x33'));
    WriteBytes(folder + "cut.mid", std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01", 12));
    WriteBytes(folder + "empty.mid", "");
    for (const char* name : {"gone.mid", "noise.mid", "cut.mid", "empty.mid"}) {
        EXPECT_EQ(device.Send(OpenCommand(folder + name)), "") << name;
        if (std::string_view(name) == "gone.mid") {
            EXPECT_EQ(Status(), "") << "never opened";
        }
        EXPECT_EQ(device.Send(PlayCommand()), "") << name;
        EXPECT_LT(SecondsUntilStopped(), 0.5) << name;
        EXPECT_EQ(Mix_PlayingMusic(), 0) << name;
        device.Send(CloseCommand());
    }
}

}  // namespace
}  // namespace vm

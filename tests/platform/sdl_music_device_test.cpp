#include "ui/platform/sdl_music_device.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/platform/sound_files.h"
#include "ui/music_command.h"
#include "ui/platform/audio.h"

namespace vm {
namespace {

using namespace testing_sound;
using Clock = std::chrono::steady_clock;

const std::string Status = "STATUS BackgroundMusic MODE";
const std::string Play = "PLAY BackgroundMusic FROM 0";
const std::string Close = "CLOSE BackgroundMusic";

class SdlMusicDeviceTest : public ::testing::Test {
protected:
    SdlMusicDeviceTest() : folder(ScratchFolder()) {
        PreferDummyAudio();
        track = folder + "haiku.mid";
        WriteMidi(track, 0.5);
    }
    ~SdlMusicDeviceTest() override { std::filesystem::remove_all(folder); }

    // Seconds until the device reports the track stopped; the synthesiser keeps reporting
    // "playing" for a couple of seconds after the last note has faded.
    double SecondsUntilStopped() {
        const auto start = Clock::now();
        while (device.Send(Status) == "playing" && SecondsSince(start) < 6) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return SecondsSince(start);
    }

    std::string folder;
    std::string track;
    SdlMusicDevice device;
};

TEST_F(SdlMusicDeviceTest, TrackOpensPlaysStopsAtItsEndAndPlaysAgainFromTheStart) {
    EXPECT_EQ(device.Send(OpenCommand(track)), "");
    EXPECT_EQ(device.Send(Status), "stopped");
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(device.Send(Play), "");
        EXPECT_EQ(device.Send(Status), "playing");
        const double seconds = SecondsUntilStopped();
        EXPECT_GE(seconds, 0.45) << "round " << round;
        EXPECT_EQ(device.Send(Status), "stopped");
    }
}

TEST_F(SdlMusicDeviceTest, ClosingStopsTheTrackAndForgetsTheAlias) {
    device.Send(OpenCommand(track));
    device.Send(Play);
    ASSERT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(device.Send(Close), "");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(device.Send(Status), "");
    EXPECT_EQ(device.Send(Close), "");

    device.Send(OpenCommand(track));
    EXPECT_EQ(device.Send(Status), "stopped");
}

TEST_F(SdlMusicDeviceTest, PathWithBlanksOpensOnlyInQuotes) {
    std::filesystem::create_directory(folder + "my tracks");
    const std::string spaced = folder + "my tracks/spring rain.mid";
    WriteMidi(spaced, 0.2);
    device.Send("OPEN " + spaced + " TYPE SEQUENCER ALIAS BackgroundMusic");
    EXPECT_EQ(device.Send(Status), "");
    device.Send(OpenCommand(spaced));
    EXPECT_EQ(device.Send(Status), "stopped");
}

TEST_F(SdlMusicDeviceTest, MissingTrackIsNeverOpened) {
    EXPECT_EQ(device.Send(OpenCommand(folder + "gone.mid")), "");
    EXPECT_EQ(device.Send(Status), "");
    EXPECT_EQ(device.Send(Play), "");
    EXPECT_EQ(device.Send(Status), "");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// The synthesiser accepts any file named like a track and finds out only when playing it.
TEST_F(SdlMusicDeviceTest, BrokenTracksEndAtOnceInSilence) {
    WriteBytes(folder + "noise.mid", std::string(500, '\x33'));
    WriteBytes(folder + "cut.mid", std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01", 12));
    WriteBytes(folder + "empty.mid", "");
    for (const char* name : {"noise.mid", "cut.mid", "empty.mid"}) {
        device.Send(OpenCommand(folder + name));
        device.Send(Play);
        EXPECT_LT(SecondsUntilStopped(), 0.5) << name;
        EXPECT_EQ(Mix_PlayingMusic(), 0) << name;
        device.Send(Close);
    }
}

TEST_F(SdlMusicDeviceTest, OtherAliasesAndUnknownCommandsDoNothing) {
    device.Send(OpenCommand(track));
    for (const char* command : {"STATUS Other MODE", "PLAY Other FROM 0", "CLOSE Other",
                                "PAUSE BackgroundMusic", "SEEK BackgroundMusic TO START", "",
                                "OPEN /elsewhere.mid TYPE SEQUENCER ALIAS BackgroundMusic"}) {
        EXPECT_EQ(device.Send(command), "") << command;
        EXPECT_EQ(Mix_PlayingMusic(), 0) << command;
        EXPECT_EQ(device.Send(Status), "stopped") << command;
    }
}

TEST_F(SdlMusicDeviceTest, TracksLeftOpenAreClosedWithTheDevice) {
    {
        SdlMusicDevice other;
        other.Send(OpenCommand(track));
        other.Send("PLAY BackgroundMusic FROM 0");
        ASSERT_NE(Mix_PlayingMusic(), 0);
    }
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_TRUE(AudioIsOpen());
}

}  // namespace
}  // namespace vm

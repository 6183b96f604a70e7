#include "ui/sound/sdl_music_device.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "play/music_command.h"
#include "tests/sound/sound_files.h"
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
    // Whether a synthesiser renders into SDL2_mixer's music.
    static bool Hooked() { return Mix_GetMusicHookData() != nullptr; }
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
    device.WaitUntilLoaded();
    ASSERT_TRUE(Hooked());
    EXPECT_EQ(device.Send(CloseCommand()), "");
    EXPECT_FALSE(Hooked());
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(device.Send(CloseCommand()), "");
    {
        SdlMusicDevice other;
        other.Send(OpenCommand(track));
        other.Send(PlayCommand());
        other.WaitUntilLoaded();
        ASSERT_TRUE(Hooked());
    }
    EXPECT_FALSE(Hooked());
    EXPECT_TRUE(AudioIsOpen());
}

// How the game starts: the track is opened and may be played before the synthesiser loads.
TEST_F(SdlMusicDeviceTest, HeldBackItLoadsNothingUntilReleasedThenPlaysWhatWasAskedMeanwhile) {
    using Stage = SdlMusicDevice::Stage;
    SdlMusicDevice held(SdlMusicDevice::Loading::WhenReleased);
    const auto status = [&held] { return held.Send(StatusCommand()); };
    held.Send(OpenCommand(track));
    EXPECT_EQ(status(), "stopped");
    held.Send(PlayCommand());
    EXPECT_EQ(status(), "playing");
    EXPECT_EQ(held.LoadingStage(), Stage::Waiting);
    EXPECT_FALSE(Hooked());

    held.ReleaseLoading();
    held.WaitUntilLoaded();
    EXPECT_EQ(held.LoadingStage(), Stage::Ready);
    EXPECT_TRUE(Hooked());
    const auto start = std::chrono::steady_clock::now();
    while (status() == "playing" && SecondsSince(start) < 6)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(status(), "stopped");
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

// A missing track is never opened; any other file named like a track is, and the synthesiser
// finds out only when playing it.
TEST_F(SdlMusicDeviceTest, MissingOrBrokenTracksAreSilentAndEndAtOnce) {
    WriteBytes(folder + "noise.mid", std::string(500, '\x33'));
    WriteBytes(folder + "cut.mid", std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01", 12));
    WriteBytes(folder + "empty.mid", "");
    for (const char* name : {"gone.mid", "noise.mid", "cut.mid", "empty.mid"}) {
        EXPECT_EQ(device.Send(OpenCommand(folder + name)), "") << name;
        if (std::string_view(name) == "gone.mid") {
            EXPECT_EQ(Status(), "") << "never opened";
        }
        device.WaitUntilLoaded();
        EXPECT_EQ(device.Send(PlayCommand()), "") << name;
        EXPECT_LT(SecondsUntilStopped(), 0.5) << name;
        device.Send(CloseCommand());
    }
}

}  // namespace
}  // namespace vm

#include "ui/sound/sdl_music_device.h"

#include <optional>

#include "play/music_command.h"
#include "tests/sound/sound_fixture.h"

namespace vm {
namespace {

using namespace testing_sound;

class SdlMusicDeviceTest : public SoundTest {
protected:
    SdlMusicDeviceTest() { OpenCounted(); }

    static std::string Mode(SdlMusicDevice& device) { return device.Send(StatusCommand()); }
    // Whether a synthesiser renders into SDL2_mixer's music.
    static bool Hooked() { return Mix_GetMusicHookData() != nullptr; }
};

// The game's timer asks every five seconds whether the track has stopped, and plays it again.
TEST_F(SdlMusicDeviceTest, ATrackPlaysToItsEndAndAgainAndAMissingOrBrokenOneIsSilent) {
    const struct {
        const char* name;
        std::optional<std::string> bytes;  // none: no such file, which never opens
        bool heard;
    } tracks[] = {
        {"haiku.mid", HalfSecondChord, true},
        {"gone.mid", std::nullopt, false},
        {"noise.mid", std::string(500, '\x33'), false},
        {"cut.mid", "MThd\0\0\0\x06\0\0\0\x01"s, false},
        {"empty.mid", "", false},
    };
    SdlMusicDevice device;
    for (const auto& track : tracks) {
        SCOPED_TRACE(track.name);
        const std::string path =
            track.bytes ? Write(track.name, *track.bytes) : folder + track.name;
        EXPECT_EQ(device.Send(OpenCommand(path)), "");
        const std::string stopped = track.bytes ? "stopped" : "";
        EXPECT_EQ(Mode(device), stopped);
        device.WaitUntilLoaded();
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            peakMixed = 0;
            EXPECT_EQ(device.Send(PlayCommand()), "");
            if (track.heard) {
                EXPECT_EQ(Mode(device), "playing");
            }
            const long frames = MixUntil([&] { return Mode(device) != "playing"; }, 5);
            EXPECT_EQ(Mode(device), stopped);
            EXPECT_EQ(peakMixed > 1000, track.heard);
            EXPECT_GE(frames, track.heard ? FramesPerSecond * 45 / 100 : 0);
        }
        EXPECT_EQ(device.Send(CloseCommand()), "");
    }
}

// How the game starts: the track is opened and played before the synthesiser may load.
TEST_F(SdlMusicDeviceTest, HeldBackItPlaysOnceReleasedAndClosingOrEndingTheDeviceSilencesIt) {
    const std::string track = Write("haiku.mid", HalfSecondChord);
    {
        SdlMusicDevice device(SdlMusicDevice::Loading::WhenReleased);
        device.Send(OpenCommand(track));
        // Other aliases and commands leave the opened track alone.
        for (const char* command : {"STATUS Other MODE", "PLAY Other FROM 0", "CLOSE Other",
                                    "PAUSE BackgroundMusic", "SEEK BackgroundMusic TO START", "",
                                    "OPEN /elsewhere.mid TYPE SEQUENCER ALIAS BackgroundMusic"}) {
            EXPECT_EQ(device.Send(command), "") << command;
            EXPECT_EQ(Mode(device), "stopped") << command;
        }
        device.Send(PlayCommand());
        EXPECT_EQ(Mode(device), "playing");
        EXPECT_EQ(device.LoadingStage(), SdlMusicDevice::Stage::Waiting);
        EXPECT_FALSE(Hooked());
        device.ReleaseLoading();
        device.WaitUntilLoaded();
        EXPECT_TRUE(Hooked());
        EXPECT_EQ(Mode(device), "playing");

        device.Send(CloseCommand());
        EXPECT_FALSE(Hooked());
        EXPECT_EQ(Mode(device), "");
        EXPECT_EQ(device.Send(CloseCommand()), "");
        device.Send(OpenCommand(track));
        device.Send(PlayCommand());
        EXPECT_TRUE(Hooked());
    }
    EXPECT_FALSE(Hooked());
    EXPECT_TRUE(AudioIsOpen());
}

}  // namespace
}  // namespace vm

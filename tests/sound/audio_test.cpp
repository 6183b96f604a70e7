#include "ui/sound/audio.h"

#include <filesystem>

#include "play/music_command.h"
#include "tests/sound/sound_fixture.h"
#include "ui/sound/sdl_music_device.h"

namespace vm {
namespace {

using namespace testing_sound;

using AudioTest = SoundTest;

// The shipped card sounds are short, for the game waits for them, audible over the music and
// not clipped; a missing or broken file is silent and never holds the game.
TEST_F(AudioTest, ACardSoundHoldsTheGameToItsEndAndAMissingOrBrokenOneIsSilent) {
    OpenCounted();
    std::filesystem::create_directories(folder + "folder.wav");
    const struct {
        std::string path;
        double shortest = 0, longest = 0;  // seconds; none when silent
    } sounds[] = {
        {folder + "gone.wav"},
        {folder + "folder.wav"},
        {Write("empty.wav", "")},
        {Write("noise.wav", std::string(3000, '\x5A'))},
        {Write("header_only.wav", "RIFF\x24\0\0\0WAVEfmt "s)},
        {""},
        {"Card_down.wav", 0.09, 0.15},
        {"Card_up.wav", 0.12, 0.18},
    };
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.path);
        peakMixed = 0;
        const long start = framesMixed;
        PlaySoundEffect(sound.path);
        const long held = framesMixed - start;
        EXPECT_EQ(Mix_Playing(-1), 0) << "still sounding when the game goes on";
        if (sound.longest == 0) {
            EXPECT_EQ(peakMixed, 0);
            continue;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(sound.path.c_str());
        ASSERT_NE(chunk, nullptr);
        const long frames = chunk->alen / 4;
        Mix_FreeChunk(chunk);
        EXPECT_GE(frames, sound.shortest * FramesPerSecond);
        EXPECT_LE(frames, sound.longest * FramesPerSecond);
        EXPECT_GE(held, frames - 1024) << "one buffer may be under way";
        EXPECT_GT(peakMixed, 32767 / 10) << "too quiet to hear over music";
        EXPECT_LT(peakMixed, 32767) << "clipped";
    }
}

// The output is opened once a run, so the failing opening happens in a child process.
TEST_F(AudioTest, WithoutADeviceCardSoundsAndMusicAreSilentAndTheGameGoesOn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            PlaySoundEffect("Card_up.wav");
            int answered = 0;
            {
                SdlMusicDevice device;
                for (const std::string& command :
                     {OpenCommand("haiku.mid"), PlayCommand(), StatusCommand(), CloseCommand()})
                    answered += device.Send(command).empty() ? 0 : 1;
            }
            std::_Exit(answered == 0 && AudioUnavailable() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vm

#include "ui/sound/audio.h"

#include <SDL_mixer.h>

#include <atomic>
#include <filesystem>

#include "tests/sound/sound_fixture.h"

namespace vm {
namespace {

using namespace testing_sound;

std::atomic<int> soundsEnded = 0;

class AudioTest : public SoundTest {
protected:
    AudioTest() {
        OpenCounted();
        Mix_ChannelFinished([](int) { ++soundsEnded; });
    }
};

// The shipped card sounds are short, for the game waits for them, audible over the music and
// not clipped; a missing or broken file is silent and never holds the game.
TEST_F(AudioTest, ACardSoundHoldsTheGameToItsEndAndAMissingOrBrokenOneIsSilent) {
    std::filesystem::create_directory(folder + "folder.wav");
    const struct {
        std::string path;
        double shortest = 0, longest = 0;  // seconds; none when silent
    } sounds[] = {
        {folder + "gone.wav"},
        {folder + "folder.wav"},
        {Write("empty.wav", "")},
        {Write("noise.wav", std::string(3000, '\x5A'))},
        {Write("header_only.wav", std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16))},
        {""},
        {"Card_down.wav", 0.09, 0.15},
        {"Card_up.wav", 0.12, 0.18},
    };
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.path);
        const int ended = soundsEnded;
        ResetPeak();
        const long start = FramesMixed();
        PlaySoundEffect(sound.path);
        const long held = FramesMixed() - start;
        EXPECT_EQ(soundsEnded - ended, sound.longest > 0 ? 1 : 0);
        if (sound.longest == 0) {
            EXPECT_EQ(PeakMixed(), 0);
            continue;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(sound.path.c_str());
        ASSERT_NE(chunk, nullptr);
        const long frames = chunk->alen / 4;
        Mix_FreeChunk(chunk);
        EXPECT_GE(frames, sound.shortest * FramesPerSecond);
        EXPECT_LE(frames, sound.longest * FramesPerSecond);
        EXPECT_GE(held, frames - 1024) << "one buffer may be under way";
        EXPECT_GT(PeakMixed(), 32767 / 10) << "too quiet to hear over music";
        EXPECT_LT(PeakMixed(), 32767) << "clipped";
    }
}

}  // namespace
}  // namespace vm

#include "ui/sound/audio.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "tests/sound/sound_files.h"

namespace vm {
namespace {

using namespace testing_sound;

class AudioTest : public ::testing::Test {
protected:
    AudioTest() : folder(ScratchFolder()) {}
    ~AudioTest() override { std::filesystem::remove_all(folder); }

    static double SecondsToPlay(const std::string& path) {
        const auto start = std::chrono::steady_clock::now();
        PlaySoundEffect(path);
        return SecondsSince(start);
    }

    std::string folder;
};

TEST_F(AudioTest, AWaveHoldsTheGameForAboutItsLengthAndASecondOneMeanwhileIsSkipped) {
    ASSERT_TRUE(OpenAudio());
    const std::string wave = folder + "Card_down.wav";
    WriteWave(wave, 0.4);
    for (int time = 0; time < 2; ++time) {
        const double seconds = SecondsToPlay(wave);
        EXPECT_GE(seconds, 0.35);
        EXPECT_LE(seconds, 1.0);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);

    double firstSeconds = 0;
    std::thread first([&] { firstSeconds = SecondsToPlay(wave); });
    const auto start = std::chrono::steady_clock::now();
    while (Mix_Playing(-1) == 0 && SecondsSince(start) < 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_LT(SecondsToPlay(wave), 0.1);
    first.join();
    EXPECT_GE(firstSeconds, 0.35);
}

TEST_F(AudioTest, MissingOrBrokenWavesAreSilentAndQuick) {
    ASSERT_TRUE(OpenAudio());
    WriteBytes(folder + "empty.wav", "");
    WriteBytes(folder + "noise.wav", std::string(3000, '\x5A'));
    WriteBytes(folder + "header_only.wav", std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16));
    std::filesystem::create_directory(folder + "folder.wav");
    for (const std::string& path :
         {folder + "Card_gone.wav", folder + "empty.wav", folder + "noise.wav",
          folder + "header_only.wav", folder + "folder.wav", std::string()}) {
        EXPECT_LT(SecondsToPlay(path), 0.2) << path;
        EXPECT_EQ(Mix_Playing(-1), 0) << path;
    }
}

}  // namespace
}  // namespace vm

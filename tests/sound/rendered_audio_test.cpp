// Each test here opens the sound output its own way, so it runs in a fresh child process:
// the output is opened only once per run.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "play/music_command.h"
#include "tests/sound/sound_files.h"
#include "ui/sound/audio.h"
#include "ui/sound/sdl_music_device.h"

namespace vm {
namespace {

using namespace testing_sound;
using Clock = std::chrono::steady_clock;

constexpr int FramesPerSecond = 44100;  // the output's rate, stereo 16-bit

[[noreturn]] void Fail(const char* why) {
    std::fputs(why, stderr);
    std::_Exit(1);
}

// One path for the parent and the child it starts, which re-runs this test from the top.
std::string RenderedFile() {
    if (const char* known = std::getenv("VELMORIA_RENDERED_AUDIO")) return known;
    const std::string path = std::filesystem::temp_directory_path() /
                             ("velmoria_rendered_" + std::to_string(::getpid()) + ".raw");
    ::setenv("VELMORIA_RENDERED_AUDIO", path.c_str(), 1);
    return path;
}

// The loudest sample of each tenth of a second of the rendered stereo file.
std::vector<int> PeaksPerTenth(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    constexpr std::size_t bytesPerTenth = FramesPerSecond / 10 * 4;
    std::vector<int> peaks;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        if (at % bytesPerTenth == 0) peaks.push_back(0);
        std::int16_t sample = 0;
        std::copy_n(bytes.data() + at, 2, reinterpret_cast<char*>(&sample));
        peaks.back() = std::max(peaks.back(), std::abs(static_cast<int>(sample)));
    }
    return peaks;
}

class RenderedAudioTest : public ::testing::Test {
protected:
    RenderedAudioTest() : folder(ScratchFolder()) {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        WriteWave(wave, 0.3);
        WriteMidi(track, 1.0);
    }
    ~RenderedAudioTest() override { std::filesystem::remove_all(folder); }

    // In the child: plays the card sound, then the track for `holdMs`, and ends the process,
    // failing when the output opened against `opens`, the track reported an unknown mode or
    // the whole took `limit` seconds or more.
    [[noreturn]] void PlayEverything(bool opens, double limit, int holdMs) {
        const auto start = Clock::now();
        if (OpenAudio() != opens) Fail("the output opened against expectation");
        PlaySoundEffect(wave);
        {
            SdlMusicDevice device;
            device.Send(OpenCommand(track));
            device.Send(PlayCommand());
            const std::string mode = device.Send(StatusCommand());
            if (!mode.empty() && !(opens && (mode == "playing" || mode == "stopped")))
                Fail("an unknown mode");
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
            device.Send(CloseCommand());
        }
        CloseAudio();
        std::_Exit(SecondsSince(start) < limit ? 0 : 2);
    }

    std::string folder;
    std::string wave = folder + "Card_up.wav";
    std::string track = folder + "haiku.mid";
};

TEST_F(RenderedAudioTest, DiskDriverRecordsTheCardSoundAndTheTrack) {
    const std::string rendered = RenderedFile();
    EXPECT_EXIT(
        {
            ::setenv("SDL_AUDIODRIVER", "disk", 1);
            ::setenv("SDL_DISKAUDIOFILE", rendered.c_str(), 1);
            PlayEverything(true, 5.0, 1500);
        },
        ::testing::ExitedWithCode(0), "");

    const std::vector<int> peaks = PeaksPerTenth(rendered);
    std::filesystem::remove(rendered);
    // The tone is louder than anything the synthesiser makes of the chord.
    const auto firstSound =
        std::find_if(peaks.begin(), peaks.end(), [](int peak) { return peak > 12000; });
    ASSERT_NE(firstSound, peaks.end()) << "the card sound was not rendered";
    // The tone lasts three tenths; anything loud from six tenths on is the track.
    const auto soundStart = static_cast<std::size_t>(firstSound - peaks.begin());
    ASSERT_GT(peaks.size(), soundStart + 10);
    EXPECT_GT(*std::max_element(peaks.begin() + soundStart + 6, peaks.end()), 2000)
        << "the track was silent";
}

// Without a sound device the card sound and the track are silent and the game goes on at once.
TEST_F(RenderedAudioTest, WithoutADeviceEverythingIsSilentAndQuick) {
    EXPECT_EXIT(
        {
            ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            PlayEverything(false, 1.0, 0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vm

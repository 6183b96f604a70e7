#pragma once
// The fixture of every sound test: a short track, a scratch folder for the files a test
// writes, and what the output has mixed, which is the tests' clock: no test waits on the wall
// clock.

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui/sound/audio.h"

namespace vm::testing_sound {

using namespace std::string_literals;

constexpr int FramesPerSecond = 44100;  // the output's rate

// A one-track MIDI file: a piano chord held for half a second (480 ticks at 960 a second).
inline const std::string HalfSecondChord =
    "MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0"
    "MTrk\x00\x00\x00\x27"
    "\x00\xFF\x51\x03\x07\xA1\x20\x00\xC0\x00"          // tempo, piano
    "\x00\x90\x3C\x64\x00\x90\x40\x64\x00\x90\x43\x64"  // the chord
    "\x83\x60\x80\x3C\x40\x00\x80\x40\x40\x00\x80\x43\x40\x00\xFF\x2F\x00"s;

inline int Peak(const std::int16_t* samples, std::size_t count) {
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    return peak;
}

// The frames the output has mixed, and its loudest sample since a test last set it to 0.
inline std::atomic<long> framesMixed = 0;
inline std::atomic<int> peakMixed = 0;

class SoundTest : public ::testing::Test {
protected:
    ~SoundTest() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(folder);
        std::ofstream(folder + name, std::ios::binary) << bytes;
        return folder + name;
    }

    // Opens the output (SDL's dummy driver unless another was chosen) and from then on counts
    // what it mixes, stereo 16-bit, on SDL's audio thread.
    static void OpenCounted() {
        ASSERT_TRUE(OpenAudio());
        Mix_SetPostMix(
            [](void*, Uint8* stream, int bytes) {
                const int peak = Peak(reinterpret_cast<const std::int16_t*>(stream), bytes / 2);
                int seen = peakMixed;
                while (peak > seen && !peakMixed.compare_exchange_weak(seen, peak)) {
                }
                framesMixed += bytes / 4;
            },
            nullptr);
    }

    // Its name holds blanks, two in a row, as a player's folder may: a track opened there
    // reads back from its quoted path.
    const std::string folder =
        ::testing::TempDir() + "velmoria  sound " + std::to_string(::getpid()) + "/";
};

}  // namespace vm::testing_sound

#include "tests/sound/sound_fixture.h"

#include <SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <thread>

#include "ui/sound/audio.h"

namespace vm::testing_sound {

namespace {

// Each value in its count of bytes: least significant first, or most when `big`.
std::string Bytes(std::initializer_list<std::pair<std::uint32_t, int>> fields, bool big = false) {
    std::string out;
    for (const auto& [value, count] : fields)
        for (int i = 0; i < count; ++i)
            out += static_cast<char>(value >> (8 * (big ? count - 1 - i : i)));
    return out;
}

std::atomic<long> framesMixed = 0;
std::atomic<int> peakMixed = 0;

// On SDL's audio thread, after everything has been mixed: stereo 16-bit.
void CountMixed(void*, Uint8* stream, int bytes) {
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    int peak = 0;
    for (int i = 0; i < bytes / 2; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    for (int seen = peakMixed; peak > seen && !peakMixed.compare_exchange_weak(seen, peak);) {
    }
    framesMixed += bytes / 4;
}

}  // namespace

std::string WaveBytes(double seconds) {
    constexpr std::uint32_t rate = 22050;
    std::string samples;
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(seconds * rate); ++i) {
        const double wave = std::sin(2 * std::numbers::pi * 440.0 * i / rate);
        samples += Bytes({{static_cast<std::uint16_t>(std::lround(wave * 16000)), 2}});
    }
    const auto size = static_cast<std::uint32_t>(samples.size());
    // PCM, mono, 16 bits a sample.
    return "RIFF" + Bytes({{36 + size, 4}}) + "WAVEfmt " +
           Bytes({{16, 4}, {1, 2}, {1, 2}, {rate, 4}, {rate * 2, 4}, {2, 2}, {16, 2}}) + "data" +
           Bytes({{size, 4}}) + samples;
}

std::string MidiBytes(double seconds) {
    // 480 ticks a quarter at 500000 us a quarter: 960 ticks a second, fewer than 2^14 in all.
    const auto ticks = static_cast<std::uint32_t>(seconds * 960);
    const std::string track =
        std::string("\x00\xFF\x51\x03\x07\xA1\x20\x00\xC0\x00", 10) +          // tempo, piano
        std::string("\x00\x90\x3C\x64\x00\x90\x40\x64\x00\x90\x43\x64", 12) +  // the chord
        Bytes({{0x80 | (ticks >> 7), 1}, {ticks & 0x7F, 1}}) +                 // held so long
        std::string("\x80\x3C\x40\x00\x80\x40\x40\x00\x80\x43\x40\x00\xFF\x2F\x00", 15);
    return "MThd" + Bytes({{6, 4}, {0, 2}, {1, 2}, {480, 2}}, true) + "MTrk" +
           Bytes({{static_cast<std::uint32_t>(track.size()), 4}}, true) + track;
}

SoundTest::SoundTest()
    : folder((std::filesystem::temp_directory_path() /
              ("velmoria sound_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                 .string() +
             "/") {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
}

SoundTest::~SoundTest() { std::filesystem::remove_all(folder); }

std::string SoundTest::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder + name, std::ios::binary) << bytes;
    return folder + name;
}

void SoundTest::OpenCounted() {
    ASSERT_TRUE(OpenAudio());
    Mix_SetPostMix(&CountMixed, nullptr);
}

long SoundTest::FramesMixed() { return framesMixed; }

int SoundTest::PeakMixed() { return peakMixed; }

void SoundTest::ResetPeak() { peakMixed = 0; }

long SoundTest::MixUntil(const std::function<bool()>& done, double seconds) {
    const long start = framesMixed;
    while (!done() && framesMixed - start < seconds * FramesPerSecond)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return framesMixed - start;
}

}  // namespace vm::testing_sound

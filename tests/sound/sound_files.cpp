#include "tests/sound/sound_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>

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

}  // namespace

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void WriteWave(const std::string& path, double seconds) {
    constexpr std::uint32_t rate = 22050;
    std::string samples;
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(seconds * rate); ++i) {
        const double wave = std::sin(2 * std::numbers::pi * 440.0 * i / rate);
        samples += Bytes({{static_cast<std::uint16_t>(std::lround(wave * 16000)), 2}});
    }
    const auto size = static_cast<std::uint32_t>(samples.size());
    // PCM, mono, 16 bits a sample.
    WriteBytes(path,
               "RIFF" + Bytes({{36 + size, 4}}) + "WAVEfmt " +
                   Bytes({{16, 4}, {1, 2}, {1, 2}, {rate, 4}, {rate * 2, 4}, {2, 2}, {16, 2}}) +
                   "data" + Bytes({{size, 4}}) + samples);
}

void WriteMidi(const std::string& path, double seconds) {
    // 480 ticks a quarter at 500000 us a quarter: 960 ticks a second, fewer than 2^14 in all.
    const auto ticks = static_cast<std::uint32_t>(seconds * 960);
    const std::string track =
        std::string("\x00\xFF\x51\x03\x07\xA1\x20\x00\xC0\x00", 10) +          // tempo, piano
        std::string("\x00\x90\x3C\x64\x00\x90\x40\x64\x00\x90\x43\x64", 12) +  // the chord
        Bytes({{0x80 | (ticks >> 7), 1}, {ticks & 0x7F, 1}}) +                 // held so long
        std::string("\x80\x3C\x40\x00\x80\x40\x40\x00\x80\x43\x40\x00\xFF\x2F\x00", 15);
    WriteBytes(path, "MThd" + Bytes({{6, 4}, {0, 2}, {1, 2}, {480, 2}}, true) + "MTrk" +
                         Bytes({{static_cast<std::uint32_t>(track.size()), 4}}, true) + track);
}

std::string ScratchFolder() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            ("velmoria_sound_" + std::to_string(::getpid()) + "_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    return folder.string() + "/";
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace vm::testing_sound

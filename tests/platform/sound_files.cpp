#include "tests/platform/sound_files.h"

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

// Writes `value` in `bytes` bytes, least significant first unless `big`.
void Put(std::string& out, std::uint32_t value, int bytes, bool big = false) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * (big ? bytes - 1 - i : i))) & 0xFF);
}

}  // namespace

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void WriteWave(const std::string& path, double seconds) {
    constexpr std::uint32_t rate = 22050;
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    std::string samples;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double wave = std::sin(2 * std::numbers::pi * 440.0 * i / rate);
        Put(samples, static_cast<std::uint16_t>(static_cast<std::int16_t>(wave * 16000)), 2);
    }
    std::string file = "RIFF";
    Put(file, 36 + static_cast<std::uint32_t>(samples.size()), 4);
    file += "WAVEfmt ";
    Put(file, 16, 4);
    Put(file, 1, 2);  // PCM
    Put(file, 1, 2);  // mono
    Put(file, rate, 4);
    Put(file, rate * 2, 4);
    Put(file, 2, 2);
    Put(file, 16, 2);
    file += "data";
    Put(file, static_cast<std::uint32_t>(samples.size()), 4);
    WriteBytes(path, file + samples);
}

void WriteMidi(const std::string& path, double seconds) {
    constexpr std::uint32_t ticksPerQuarter = 480;  // at 120 beats a minute: 960 a second
    std::string track;
    track += std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7);  // 500000 us a quarter
    track += std::string("\x00\xC0\x00", 3);                  // piano
    for (const char note : {'\x3C', '\x40', '\x43'}) {
        track += std::string("\x00\x90", 2) + note + '\x64';
    }
    const auto ticks = static_cast<std::uint32_t>(seconds * 2 * ticksPerQuarter);  // < 2^14
    track += {static_cast<char>(0x80 | (ticks >> 7)), static_cast<char>(ticks & 0x7F)};
    track += std::string("\x80\x3C\x40", 3);
    track += std::string("\x00\x80\x40\x40\x00\x80\x43\x40", 8);
    track += std::string("\x00\xFF\x2F\x00", 4);

    std::string file = "MThd";
    Put(file, 6, 4, true);
    Put(file, 0, 2, true);
    Put(file, 1, 2, true);
    Put(file, ticksPerQuarter, 2, true);
    file += "MTrk";
    Put(file, static_cast<std::uint32_t>(track.size()), 4, true);
    WriteBytes(path, file + track);
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

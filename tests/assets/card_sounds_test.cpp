// The card sounds: valid 16-bit PCM WAV files, short (the game waits for them), audible,
// not clipped, and starting and ending at silence so they do not click.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vm {
namespace {

struct Wave {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int format = 0;
    std::vector<int> samples;  // interleaved
    double Seconds() const { return static_cast<double>(samples.size()) / channels / sampleRate; }
};

std::uint32_t Le32(const std::string& b, std::size_t at) {
    const auto u = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i]));
    };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}

int Le16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

// Walks the RIFF chunks; fails the test when the layout is wrong.
Wave ReadWave(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Wave wave;
    EXPECT_GE(bytes.size(), 44u) << name;
    if (bytes.size() < 44) {
        return wave;
    }
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 4), "WAVE");
    EXPECT_EQ(Le32(bytes, 4), bytes.size() - 8);
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = Le32(bytes, at + 4);
        EXPECT_LE(at + 8 + size, bytes.size()) << name << " chunk " << id;
        if (id == "fmt ") {
            wave.format = Le16(bytes, at + 8);
            wave.channels = Le16(bytes, at + 10);
            wave.sampleRate = static_cast<int>(Le32(bytes, at + 12));
            wave.bitsPerSample = Le16(bytes, at + 22);
        } else if (id == "data") {
            for (std::size_t i = at + 8; i + 1 < at + 8 + size && i + 1 < bytes.size(); i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(Le16(bytes, i)));
            }
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

struct SoundCase {
    const char* file;
    double shortest;
    double longest;
};

class CardSound : public testing::TestWithParam<SoundCase> {};

TEST_P(CardSound, IsSixteenBitPcmAtCdRate) {
    const Wave wave = ReadWave(GetParam().file);
    EXPECT_EQ(wave.format, 1);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_EQ(wave.sampleRate, 44100);
    EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
    ASSERT_FALSE(wave.samples.empty());
}

TEST_P(CardSound, LastsAboutAsLongAsACardMove) {
    const Wave wave = ReadWave(GetParam().file);
    ASSERT_GT(wave.channels, 0);
    EXPECT_GE(wave.Seconds(), GetParam().shortest);
    EXPECT_LE(wave.Seconds(), GetParam().longest);
    EXPECT_LT(wave.Seconds(), 0.3);
}

TEST_P(CardSound, IsAudibleButNotClipped) {
    const Wave wave = ReadWave(GetParam().file);
    int peak = 0;
    for (int s : wave.samples) {
        peak = std::max(peak, std::abs(s));
    }
    EXPECT_GT(peak, 32767 / 10) << "too quiet to hear over music";
    EXPECT_LT(peak, 32767) << "clipped";
}

TEST_P(CardSound, FadesInAndOutWithoutAClick) {
    const Wave wave = ReadWave(GetParam().file);
    ASSERT_GT(wave.samples.size(), 40u);
    constexpr int Quiet = 32767 / 100;
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_LT(std::abs(wave.samples[i]), Quiet) << "start, sample " << i;
        EXPECT_LT(std::abs(wave.samples[wave.samples.size() - 1 - i]), Quiet)
            << "end, sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Sounds, CardSound,
                         testing::Values(SoundCase{"Card_down.wav", 0.09, 0.15},
                                         SoundCase{"Card_up.wav", 0.12, 0.18}),
                         [](const auto& param) {
                             return std::string(param.param.file).substr(0, 7) == "Card_do"
                                        ? "CardDown"
                                        : "CardUp";
                         });

}  // namespace
}  // namespace vm

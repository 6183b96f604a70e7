// The card sounds: valid 16-bit PCM WAV files, short (the game waits for them), audible and
// not clipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vm {
namespace {

struct Wave {
    int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    std::vector<int> samples;  // interleaved
};

unsigned Le(const std::string& b, std::size_t at, int bytes) {
    unsigned value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(b[at + i]);
    return value;
}

// The plain layout the generator writes: "fmt " then "data", nothing else.
Wave ReadWave(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    const std::string b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 8, "WAVEfmt ") != 0 ||
        b.compare(36, 4, "data") != 0 || Le(b, 4, 4) != b.size() - 8 ||
        Le(b, 40, 4) != b.size() - 44) {
        ADD_FAILURE() << name << " is no plain RIFF WAVE file";
        return {};
    }
    Wave wave{static_cast<int>(Le(b, 20, 2)),
              static_cast<int>(Le(b, 22, 2)),
              static_cast<int>(Le(b, 24, 4)),
              static_cast<int>(Le(b, 34, 2)),
              {}};
    for (std::size_t i = 44; i + 1 < b.size(); i += 2) {
        wave.samples.push_back(static_cast<std::int16_t>(Le(b, i, 2)));
    }
    return wave;
}

TEST(CardSounds, AreShortAudibleUnclippedPcmSounds) {
    const struct {
        const char* file;
        double shortest, longest;  // seconds
    } sounds[] = {{"Card_down.wav", 0.09, 0.15}, {"Card_up.wav", 0.12, 0.18}};
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.file);
        const Wave wave = ReadWave(sound.file);
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.bitsPerSample, 16);
        EXPECT_EQ(wave.sampleRate, 44100);
        ASSERT_TRUE(wave.channels == 1 || wave.channels == 2);
        const double seconds = static_cast<double>(wave.samples.size()) / wave.channels / 44100;
        EXPECT_GE(seconds, sound.shortest);
        EXPECT_LE(seconds, sound.longest);
        int peak = 0;
        for (int s : wave.samples) peak = std::max(peak, std::abs(s));
        EXPECT_GT(peak, 32767 / 10) << "too quiet to hear over music";
        EXPECT_LT(peak, 32767) << "clipped";
    }
}

}  // namespace
}  // namespace vm

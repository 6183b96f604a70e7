// The synthesiser rendered by hand, so the rendered frames are the clock: no sound device and
// no waiting.

#include "ui/sound/synthesiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/sound/sound_files.h"

namespace vm {
namespace {

using namespace testing_sound;

constexpr int Rate = 44100;

std::string Track(double seconds) {
    const std::string folder = ScratchFolder();
    WriteMidi(folder + "short.mid", seconds);
    std::ifstream file(folder + "short.mid", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), {}};
    std::filesystem::remove_all(folder);
    return bytes;
}

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}

// Renders in tenths of a second until the track has ended, at most `limit` tenths; returns
// the frames rendered and keeps the loudest sample of each tenth.
int FramesUntilEnded(Synthesiser& synth, std::vector<int>& peaks, int limit = 100) {
    constexpr int Tenth = Rate / 10;
    std::vector<std::int16_t> block(Tenth * 2);
    int frames = 0;
    while (synth.Playing() && frames < limit * Tenth) {
        synth.Render(block.data(), Tenth);
        frames += Tenth;
        peaks.push_back(Peak(block));
    }
    return frames;
}

// The game's timer asks every five seconds whether the track has stopped and plays it again if
// so; a track reported playing for seconds after its end would leave a longer silence.
TEST(Synthesiser, AShortTrackEndsWithItsLastNoteAndPlaysAgainFromTheStart) {
    auto synth = Synthesiser::Load(Rate, 2);
    ASSERT_NE(synth, nullptr) << "no SoundFont: scripts/setup installs timgm6mb-soundfont";
    EXPECT_FALSE(synth->Playing());
    const std::string track = Track(0.5);
    for (int round = 0; round < 2; ++round) {
        synth->Start(track);
        EXPECT_TRUE(synth->Playing());
        std::vector<int> peaks;
        const int frames = FramesUntilEnded(*synth, peaks);
        EXPECT_GE(frames, Rate / 2) << "round " << round;
        EXPECT_LE(frames, Rate * 7 / 10) << "round " << round;
        EXPECT_GT(peaks.front(), 1000) << "the chord sounds from the start, round " << round;
    }

    // Stopping silences the notes still sounding within a tenth of a second; what is left is
    // the dither of the lowest bit.
    synth->Start(Track(3.0));
    std::vector<std::int16_t> block(Rate / 10 * 2);
    synth->Render(block.data(), Rate / 10);
    ASSERT_GT(Peak(block), 1000);
    synth->Stop();
    EXPECT_FALSE(synth->Playing());
    synth->Render(block.data(), Rate / 10);
    synth->Render(block.data(), Rate / 10);
    EXPECT_LE(Peak(block), 2);
}

// A device may give other channel counts than the two asked for.
TEST(Synthesiser, OneChannelHoldsBothSidesAndMoreChannelsHoldThemFirst) {
    const std::string track = Track(0.5);
    constexpr int Frames = Rate / 5;
    std::vector<std::vector<std::int16_t>> rendered;
    for (int channels : {2, 1, 6}) {
        auto synth = Synthesiser::Load(Rate, channels);
        ASSERT_NE(synth, nullptr);
        synth->Start(track);
        rendered.emplace_back(Frames * channels);
        synth->Render(rendered.back().data(), Frames);
    }
    const auto& stereo = rendered[0];
    ASSERT_GT(Peak(stereo), 1000);
    for (int frame = 0; frame < Frames; ++frame) {
        const int left = stereo[2 * frame];
        const int right = stereo[2 * frame + 1];
        ASSERT_EQ(rendered[1][frame], (left + right) / 2) << frame;
        const std::int16_t* six = &rendered[2][6 * frame];
        ASSERT_EQ(six[0], left) << frame;
        ASSERT_EQ(six[1], right) << frame;
        ASSERT_TRUE(std::all_of(six + 2, six + 6, [](std::int16_t s) { return s == 0; })) << frame;
    }
}

}  // namespace
}  // namespace vm

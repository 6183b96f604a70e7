#pragma once
// The fixture of every sound test: sound files the tests write themselves, a scratch folder,
// and what the output has mixed, which is the tests' clock: no test waits on the wall clock.

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vm::testing_sound {

constexpr int FramesPerSecond = 44100;  // the output's rate

// A mono 16-bit 22050 Hz wave of a loud 440 Hz tone.
std::string WaveBytes(double seconds);
// A one-track MIDI file holding a piano chord for the given time.
std::string MidiBytes(double seconds);

class SoundTest : public ::testing::Test {
protected:
    SoundTest();
    ~SoundTest() override;

    // A file of the scratch folder, whose name holds a blank as a player's folder may.
    std::string Write(const std::string& name, const std::string& bytes) const;

    // Opens the output (SDL's dummy driver unless another was chosen) and from then on counts
    // the frames it mixes and keeps the loudest sample since the last ResetPeak.
    static void OpenCounted();
    static long FramesMixed();
    static int PeakMixed();
    static void ResetPeak();
    // Lets the output mix until `done` holds or `seconds` of frames have been mixed; returns
    // the frames mixed meanwhile.
    static long MixUntil(const std::function<bool()>& done, double seconds);

    const std::string folder;
};

}  // namespace vm::testing_sound

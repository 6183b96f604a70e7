#pragma once
// Sound files written by the tests themselves, and the scaffolding the platform tests share.

#include <chrono>
#include <string>

namespace vm::testing_sound {

// A mono 16-bit 22050 Hz wave of a loud 440 Hz tone.
void WriteWave(const std::string& path, double seconds);
// A one-track MIDI file holding a piano chord for the given time.
void WriteMidi(const std::string& path, double seconds);
void WriteBytes(const std::string& path, const std::string& bytes);

// A fresh folder (with a trailing "/") for this process and the running test; without a
// driver chosen from outside, sound plays through SDL's dummy driver in real time.
std::string ScratchFolder();

double SecondsSince(std::chrono::steady_clock::time_point start);

}  // namespace vm::testing_sound

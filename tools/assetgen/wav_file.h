#pragma once
// Mono 16-bit PCM WAV files at 44.1 kHz.

#include <QByteArray>
#include <vector>

namespace vm {

inline constexpr int SoundSampleRate = 44100;

// Samples in [-1, 1]; anything outside is clamped rather than wrapped.
QByteArray EncodeWav16Mono(const std::vector<double>& samples);

}  // namespace vm

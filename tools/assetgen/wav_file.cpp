#include "tools/assetgen/wav_file.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/byte_writer.h"

namespace vm {

QByteArray EncodeWav16Mono(const std::vector<double>& samples) {
    constexpr std::uint32_t BytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * BytesPerSample);

    QByteArray out;
    out.append("RIFF");
    AppendLe32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    AppendLe32(out, 16);
    AppendLe16(out, 1);  // PCM
    AppendLe16(out, 1);  // mono
    AppendLe32(out, SoundSampleRate);
    AppendLe32(out, SoundSampleRate * BytesPerSample);
    AppendLe16(out, BytesPerSample);
    AppendLe16(out, 16);
    out.append("data");
    AppendLe32(out, dataBytes);
    for (double sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
        AppendLe16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(value)));
    }
    return out;
}

}  // namespace vm

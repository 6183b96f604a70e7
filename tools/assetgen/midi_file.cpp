#include "tools/assetgen/midi_file.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/byte_writer.h"

namespace vm {

namespace {

constexpr int PercussionChannel = 9;
constexpr int TicksPerBar = 4 * TicksPerBeat;

struct TimedEvent {
    int tick = 0;
    int order = 0;  // at one tick, note-offs go before note-ons
    QByteArray bytes;
};

void AppendVariableLength(QByteArray& out, std::uint32_t value) {
    QByteArray reversed;
    reversed.append(static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0) {
        reversed.append(static_cast<char>((value & 0x7F) | 0x80));
    }
    std::reverse(reversed.begin(), reversed.end());
    out.append(reversed);
}

QByteArray MetaEvent(int type, const QByteArray& data) {
    QByteArray bytes;
    bytes.append(static_cast<char>(0xFF));
    bytes.append(static_cast<char>(type));
    AppendVariableLength(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.append(data);
    return bytes;
}

QByteArray ChannelEvent(int status, int channel, int first, int second = -1) {
    QByteArray bytes;
    bytes.append(static_cast<char>(status | channel));
    bytes.append(static_cast<char>(first));
    if (second >= 0) {
        bytes.append(static_cast<char>(second));
    }
    return bytes;
}

QByteArray TrackChunk(std::vector<TimedEvent> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray body;
    int tick = 0;
    for (const TimedEvent& event : events) {
        AppendVariableLength(body, static_cast<std::uint32_t>(event.tick - tick));
        body.append(event.bytes);
        tick = event.tick;
    }
    AppendVariableLength(body, static_cast<std::uint32_t>(std::max(0, endTick - tick)));
    body.append(MetaEvent(0x2F, {}));

    QByteArray chunk("MTrk");
    AppendBe32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.append(body);
    return chunk;
}

// Downbeats a little stronger, off-beat notes a little lighter, as a player would.
int AccentedVelocity(int base, int tick) {
    int velocity = base;
    if (tick % TicksPerBar == 0) {
        velocity += 8;
    } else if (tick % TicksPerBeat != 0) {
        velocity -= 6;
    }
    return std::clamp(velocity, 1, 127);
}

QByteArray PartTrack(const SongPart& part, const std::vector<SongNote>& notes, int channel,
                     int endTick) {
    std::vector<TimedEvent> events;
    events.push_back({0, 0, MetaEvent(0x03, QByteArray::fromStdString(part.name))});
    events.push_back({0, 1, ChannelEvent(0xC0, channel, part.program)});
    events.push_back({0, 2, ChannelEvent(0xB0, channel, 7, 100)});
    events.push_back({0, 3, ChannelEvent(0xB0, channel, 10, part.pan)});
    events.push_back({0, 4, ChannelEvent(0xB0, channel, 91, part.reverb)});
    for (const SongNote& note : notes) {
        const int sounding =
            std::max(1, static_cast<int>(std::lround(note.lengthTicks * part.gate)));
        events.push_back({note.startTick, 6,
                          ChannelEvent(0x90, channel, note.pitch,
                                       AccentedVelocity(part.velocity, note.startTick))});
        events.push_back(
            {note.startTick + sounding, 5, ChannelEvent(0x80, channel, note.pitch, 0)});
    }
    return TrackChunk(std::move(events), endTick);
}

QByteArray ConductorTrack(const Song& song, int endTick) {
    const auto microsPerBeat = static_cast<std::uint32_t>(60'000'000 / song.beatsPerMinute);
    QByteArray tempo;
    tempo.append(static_cast<char>((microsPerBeat >> 16) & 0xFF));
    tempo.append(static_cast<char>((microsPerBeat >> 8) & 0xFF));
    tempo.append(static_cast<char>(microsPerBeat & 0xFF));
    const QByteArray fourFour("\x04\x02\x18\x08", 4);
    return TrackChunk({{0, 0, MetaEvent(0x03, QByteArray::fromStdString(song.title))},
                       {0, 1, MetaEvent(0x58, fourFour)},
                       {0, 2, MetaEvent(0x51, tempo)}},
                      endTick);
}

}  // namespace

QByteArray EncodeMidi(const Song& song) {
    // One more bar lets the last notes ring out before the track reports its end.
    const int endTick = song.lengthTicks + TicksPerBar;

    QByteArray out("MThd");
    AppendBe32(out, 6);
    AppendBe16(out, 1);
    AppendBe16(out, static_cast<std::uint32_t>(song.parts.size() + 1));
    AppendBe16(out, TicksPerBeat);
    out.append(ConductorTrack(song, endTick));
    int channel = 0;
    for (std::size_t p = 0; p < song.parts.size(); ++p, ++channel) {
        if (channel == PercussionChannel) {
            ++channel;
        }
        out.append(PartTrack(song.parts[p], song.notesByPart[p], channel, endTick));
    }
    return out;
}

}  // namespace vm

#include "tests/assets/midi_reader.h"

#include <algorithm>

namespace vm {

namespace {

struct Cursor {
    const std::string& bytes;
    std::size_t at;
    std::size_t end;

    bool More() const { return at < end; }
    int Byte() { return at < end ? static_cast<unsigned char>(bytes[at++]) : -1; }
    std::uint32_t Be(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = value << 8 | static_cast<std::uint32_t>(std::max(0, Byte()));
        }
        return value;
    }
    std::uint32_t VariableLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const int b = Byte();
            if (b < 0) {
                return value;
            }
            value = value << 7 | (b & 0x7F);
            if ((b & 0x80) == 0) {
                return value;
            }
        }
        return value;
    }
};

struct TrackResult {
    std::map<std::uint32_t, std::uint32_t> tempoChanges;  // tick -> microseconds per beat
    std::uint32_t endTick = 0;
    bool ended = false;
};

std::string ReadTrack(Cursor c, MidiSummary& summary, TrackResult& track) {
    std::uint32_t tick = 0;
    int status = 0;
    std::map<int, int> sounding;  // channel * 128 + pitch -> count
    while (c.More()) {
        if (track.ended) {
            return "events after the end of track";
        }
        tick += c.VariableLength();
        int first = c.Byte();
        if (first == 0xFF) {
            const int type = c.Byte();
            const std::uint32_t length = c.VariableLength();
            if (type == 0x51 && length == 3) {
                track.tempoChanges[tick] = c.Be(3);
            } else {
                c.at += length;
            }
            if (type == 0x2F) {
                track.ended = true;
                track.endTick = tick;
            }
            continue;
        }
        if (first == 0xF0 || first == 0xF7) {
            c.at += c.VariableLength();
            continue;
        }
        if (first < 0x80) {
            if (status == 0) {
                return "running status without a status";
            }
            --c.at;
            first = status;
        }
        status = first;
        const int kind = first & 0xF0;
        const int channel = first & 0x0F;
        const int data1 = c.Byte();
        const int data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : c.Byte();
        if (data1 < 0 || data1 > 127 || data2 < 0 || data2 > 127) {
            return "bad data byte";
        }
        if (kind == 0x90 && data2 > 0) {
            ++summary.noteOns;
            ++sounding[channel * 128 + data1];
            summary.lowestPitch = std::min(summary.lowestPitch, data1);
            summary.highestPitch = std::max(summary.highestPitch, data1);
        } else if (kind == 0x80 || kind == 0x90) {
            auto found = sounding.find(channel * 128 + data1);
            if (found != sounding.end() && found->second > 0) {
                --found->second;
            }
        }
    }
    if (c.at != c.end) {
        return "an event runs past its track";
    }
    if (!track.ended) {
        return "a track without an end";
    }
    for (const auto& [key, count] : sounding) {
        summary.unmatchedNotes += count;
    }
    return "";
}

double SecondsAt(std::uint32_t endTick, const std::map<std::uint32_t, std::uint32_t>& tempos,
                 int ticksPerBeat) {
    double seconds = 0;
    std::uint32_t tick = 0;
    std::uint32_t microsPerBeat = 500000;  // the default of 120 beats a minute
    for (const auto& [at, tempo] : tempos) {
        if (at >= endTick) {
            break;
        }
        seconds += static_cast<double>(at - tick) * microsPerBeat / 1e6 / ticksPerBeat;
        tick = at;
        microsPerBeat = tempo;
    }
    return seconds + static_cast<double>(endTick - tick) * microsPerBeat / 1e6 / ticksPerBeat;
}

}  // namespace

MidiSummary ReadMidi(const std::string& bytes) {
    MidiSummary summary;
    if (bytes.size() < 14 || bytes.compare(0, 4, "MThd") != 0) {
        summary.problem = "no MThd header";
        return summary;
    }
    Cursor header{bytes, 4, bytes.size()};
    if (header.Be(4) != 6) {
        summary.problem = "header length is not 6";
        return summary;
    }
    summary.format = static_cast<int>(header.Be(2));
    summary.declaredTracks = static_cast<int>(header.Be(2));
    summary.ticksPerBeat = static_cast<int>(header.Be(2));
    if (summary.ticksPerBeat <= 0 || summary.ticksPerBeat >= 0x8000) {
        summary.problem = "division is not in ticks per beat";
        return summary;
    }

    std::map<std::uint32_t, std::uint32_t> tempos;
    std::uint32_t endTick = 0;
    std::size_t at = 14;
    while (at < bytes.size()) {
        if (at + 8 > bytes.size() || bytes.compare(at, 4, "MTrk") != 0) {
            summary.problem = "expected an MTrk chunk";
            return summary;
        }
        Cursor length{bytes, at + 4, bytes.size()};
        const std::uint32_t size = length.Be(4);
        if (at + 8 + size > bytes.size()) {
            summary.problem = "a track chunk runs past the end of the file";
            return summary;
        }
        TrackResult track;
        const std::string problem = ReadTrack({bytes, at + 8, at + 8 + size}, summary, track);
        if (!problem.empty()) {
            summary.problem = problem;
            return summary;
        }
        tempos.insert(track.tempoChanges.begin(), track.tempoChanges.end());
        endTick = std::max(endTick, track.endTick);
        ++summary.foundTracks;
        at += 8 + size;
    }
    summary.seconds = SecondsAt(endTick, tempos, summary.ticksPerBeat);
    summary.valid = summary.foundTracks == summary.declaredTracks;
    if (!summary.valid) {
        summary.problem = "track count differs from the header";
    }
    return summary;
}

}  // namespace vm

// Every MIDI track the Music dialog can offer is a well-formed Standard MIDI File of one to
// three minutes that actually plays notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace vm {
namespace {

struct Midi {
    std::string problem;  // the first fault found; empty for a valid file
    int noteOns = 0;
    double seconds = 0;
};

// Walks the header and every track chunk, counting notes and timing the end of the longest
// track through the tempo changes.
Midi ReadMidi(const std::string& b) {
    std::size_t at = 0, end = b.size();
    const auto byte = [&] { return at < end ? static_cast<unsigned char>(b[at++]) : 0u; };
    const auto number = [&](int bytes) {
        std::uint32_t value = 0;
        while (bytes-- > 0) value = value << 8 | byte();
        return value;
    };
    const auto variable = [&] {
        std::uint32_t value = 0, c = 0x80;
        for (int i = 0; i < 4 && (c & 0x80) != 0; ++i) value = value << 7 | ((c = byte()) & 0x7F);
        return value;
    };
    if (b.size() < 14 || b.compare(0, 4, "MThd") != 0 || (at = 4, number(4)) != 6) {
        return {"no MThd header of length 6"};
    }
    at += 2;  // the format
    const std::uint32_t tracks = number(2), division = number(2);

    Midi midi;
    std::map<std::uint32_t, std::uint32_t> tempos;  // tick -> microseconds per beat
    std::uint32_t lastTick = 0, found = 0;
    for (; at < b.size(); ++found, end = b.size()) {
        if (at + 8 > b.size() || b.compare(at, 4, "MTrk") != 0) return {"no MTrk chunk"};
        at += 4;
        const std::uint32_t size = number(4);
        end = at + size;
        if (end > b.size()) return {"a track runs past the end of the file"};
        std::uint32_t tick = 0, status = 0;
        while (at < end) {
            tick += variable();
            std::uint32_t first = byte();
            if (first == 0xFF) {  // a meta event: the tempo and the end of the track count
                const std::uint32_t type = byte(), length = variable();
                if (type == 0x51 && length == 3) {
                    tempos[tick] = number(3);
                } else {
                    at += length;
                }
                if (type == 0x2F) lastTick = std::max(lastTick, tick);
                continue;
            }
            if (first < 0x80) {  // running status
                --at;
                first = status;
            }
            status = first;
            byte();
            const std::uint32_t velocity = (first & 0xE0) == 0xC0 ? 0 : byte();
            if ((first & 0xF0) == 0x90 && velocity > 0) ++midi.noteOns;
        }
        if (at != end) return {"a track's events run past its length"};
    }
    if (found != tracks) return {"track count differs from the header"};
    std::uint32_t tick = 0, microsPerBeat = 500000;  // 120 beats a minute until told otherwise
    for (const auto& [change, tempo] : tempos) {
        if (change >= lastTick) break;
        midi.seconds += static_cast<double>(change - tick) * microsPerBeat / 1e6 / division;
        tick = change;
        microsPerBeat = tempo;
    }
    midi.seconds += static_cast<double>(lastTick - tick) * microsPerBeat / 1e6 / division;
    return midi;
}

// One track at 96 ticks and one second a beat: a note held for 0x81 0x40 (192) ticks, its
// release in running status, then the end.
TEST(MidiReader, TimesAndCountsAHandMadeFileAndRefusesItCutShort) {
    const char events[] =
        "\x00\xFF\x51\x03\x0F\x42\x40\x00\x90\x3C\x64\x81\x40\x3C\x00"
        "\x00\xFF\x2F\x00";
    const std::string file = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x13", 22) +
                             std::string(events, sizeof events - 1);
    const Midi read = ReadMidi(file);
    ASSERT_EQ(read.problem, "");
    EXPECT_EQ(read.noteOns, 1);
    EXPECT_DOUBLE_EQ(read.seconds, 2.0);
    EXPECT_NE(ReadMidi(file.substr(0, file.size() - 3)).problem, "");
}

TEST(MusicTracks, EveryTrackIsAPlayableTuneOfOneToThreeMinutes) {
    int tracks = 0;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        if (entry.path().extension() != ".mid") continue;
        ++tracks;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const Midi midi =
            ReadMidi({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        ASSERT_EQ(midi.problem, "");
        EXPECT_GT(midi.noteOns, 50);
        EXPECT_GE(midi.seconds, 60.0);
        EXPECT_LE(midi.seconds, 180.0);
    }
    EXPECT_GE(tracks, 3);
}

}  // namespace
}  // namespace vm

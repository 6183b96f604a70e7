// Every MIDI track the Music dialog can offer is a well-formed Standard MIDI File of one to
// three minutes that actually plays notes. The reader is checked first on hand-made files.
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
    int format = -1, noteOns = 0, unmatchedNotes = 0;
    double seconds = 0;
};

Midi Fault(const char* problem) { return {.problem = problem}; }

// Reads a Standard MIDI File far enough to check its chunks, events, notes and duration.
Midi ReadMidi(const std::string& b) {
    Midi midi;
    std::size_t at = 0, end = b.size();
    const auto byte = [&] { return at < end ? static_cast<unsigned char>(b[at++]) : -1; };
    const auto number = [&](int bytes) {
        std::uint32_t value = 0;
        while (bytes-- > 0) value = value << 8 | static_cast<std::uint32_t>(std::max(0, byte()));
        return value;
    };
    const auto variable = [&] {
        std::uint32_t value = 0;
        for (int i = 0, c = 0x80; i < 4 && (c & 0x80) != 0 && (c = byte()) >= 0; ++i) {
            value = value << 7 | static_cast<std::uint32_t>(c & 0x7F);
        }
        return value;
    };
    if (b.size() < 14 || b.compare(0, 4, "MThd") != 0 || (at = 4, number(4)) != 6) {
        return Fault("no MThd header of length 6");
    }
    midi.format = static_cast<int>(number(2));
    const std::uint32_t tracks = number(2);
    const std::uint32_t division = number(2);
    if (division == 0 || division >= 0x8000) return Fault("division is not in ticks per beat");

    std::map<std::uint32_t, std::uint32_t> tempos;  // tick -> microseconds per beat
    std::uint32_t lastTick = 0, found = 0;
    for (; at < b.size(); ++found, end = b.size()) {
        if (at + 8 > b.size() || b.compare(at, 4, "MTrk") != 0) return Fault("no MTrk chunk");
        at += 4;
        const std::uint32_t size = number(4);
        end = at + size;
        if (end > b.size()) return Fault("a track runs past the end of the file");
        std::uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        std::map<int, int> sounding;  // channel * 128 + pitch -> count
        while (at < end) {
            if (ended) return Fault("events after the end of track");
            tick += variable();
            int first = byte();
            if (first == 0xFF) {
                const int type = byte();
                const std::uint32_t length = variable();
                if (type == 0x51 && length == 3) {
                    tempos[tick] = number(3);
                } else {
                    at += length;
                }
                ended = type == 0x2F;
                lastTick = std::max(lastTick, ended ? tick : 0);
                continue;
            }
            if (first < 0x80) {  // running status
                if (status == 0) return Fault("running status without a status");
                --at;
                first = status;
            }
            status = first;
            const int kind = first & 0xF0, key = (first & 0x0F) * 128;
            const int data1 = byte(), data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : byte();
            if (data1 < 0 || data1 > 127 || data2 < 0 || data2 > 127) return Fault("bad data");
            if (kind == 0x90 && data2 > 0) {
                ++midi.noteOns;
                ++sounding[key + data1];
            } else if ((kind == 0x80 || kind == 0x90) && sounding[key + data1] > 0) {
                --sounding[key + data1];
            }
        }
        if (at != end || !ended) return Fault("a track without its end");
        for (const auto& [key, count] : sounding) midi.unmatchedNotes += count;
    }
    if (found != tracks) return Fault("track count differs from the header");
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

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

// One track, 96 ticks a beat: a tempo, one note held for `length` (a variable-length number
// of ticks, running status for the release), then the end.
std::string OneNoteFile(std::initializer_list<int> microsPerBeat,
                        std::initializer_list<int> length) {
    const std::string events = Bytes({0x00, 0xFF, 0x51, 0x03}) + Bytes(microsPerBeat) +
                               Bytes({0x00, 0x90, 60, 100}) + Bytes(length) +
                               Bytes({60, 0, 0x00, 0xFF, 0x2F, 0x00});
    return Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}) +
           Bytes({'M', 'T', 'r', 'k', 0, 0, 0, static_cast<int>(events.size())}) + events;
}

TEST(MidiReader, TimesNotesAndFindsFaultsInHandMadeFiles) {
    const std::string tiny = OneNoteFile({0x0F, 0x42, 0x40}, {0x81, 0x40});  // 1 s a beat, 2 beats
    const Midi read = ReadMidi(tiny);
    ASSERT_EQ(read.problem, "");
    EXPECT_EQ(read.noteOns, 1);
    EXPECT_EQ(read.unmatchedNotes, 0);
    EXPECT_DOUBLE_EQ(read.seconds, 2.0);

    // 100 000 ticks at 0.8 seconds a beat, without overflow.
    EXPECT_NEAR(ReadMidi(OneNoteFile({0x0C, 0x35, 0x00}, {0x86, 0x8D, 0x20})).seconds,
                100000.0 / 96 * 0.8, 1e-6);
    EXPECT_NE(ReadMidi(tiny.substr(0, tiny.size() - 3)).problem, "");
    std::string unreleased = tiny;
    unreleased[unreleased.size() - 6] = 61;  // the note-off now names another pitch
    EXPECT_EQ(ReadMidi(unreleased).unmatchedNotes, 1);
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
        EXPECT_TRUE(midi.format == 0 || midi.format == 1);
        EXPECT_GT(midi.noteOns, 50);
        EXPECT_EQ(midi.unmatchedNotes, 0);
        EXPECT_GE(midi.seconds, 60.0);
        EXPECT_LE(midi.seconds, 180.0);
    }
    EXPECT_GE(tracks, 3);
}

}  // namespace
}  // namespace vm

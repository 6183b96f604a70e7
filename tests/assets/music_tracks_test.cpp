// Every MIDI track the Music dialog can offer is a well-formed Standard MIDI File of one to
// three minutes that actually plays notes. The reader is checked first on hand-made files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/assets/midi_reader.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

// One track, 96 ticks a beat: a tempo, one note held for `length` (a variable-length
// number of ticks, running status for the release), then the end.
std::string OneNoteFile(std::initializer_list<int> microsPerBeat,
                        std::initializer_list<int> length) {
    const std::string header = Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96});
    const std::string events = Bytes({0x00, 0xFF, 0x51, 0x03}) + Bytes(microsPerBeat) +
                               Bytes({0x00, 0x90, 60, 100}) + Bytes(length) +
                               Bytes({60, 0, 0x00, 0xFF, 0x2F, 0x00});
    return header + Bytes({'M', 'T', 'r', 'k', 0, 0, 0, static_cast<int>(events.size())}) + events;
}

// A second a beat, a note of two beats.
std::string TinyFile() {
    return OneNoteFile({0x0F, 0x42, 0x40}, {0x81, 0x40});
}

TEST(MidiReader, ReadsNotesAndDurationOfAKnownFile) {
    const MidiSummary summary = ReadMidi(TinyFile());
    ASSERT_TRUE(summary.valid) << summary.problem;
    EXPECT_EQ(summary.noteOns, 1);
    EXPECT_EQ(summary.unmatchedNotes, 0);
    EXPECT_DOUBLE_EQ(summary.seconds, 2.0);
}

TEST(MidiReader, TimesALongTrackWithoutOverflow) {
    // 100 000 ticks at 0.8 seconds a beat.
    const MidiSummary summary = ReadMidi(OneNoteFile({0x0C, 0x35, 0x00}, {0x86, 0x8D, 0x20}));
    ASSERT_TRUE(summary.valid) << summary.problem;
    EXPECT_NEAR(summary.seconds, 100000.0 / 96 * 0.8, 1e-6);
}

TEST(MidiReader, RejectsATruncatedTrack) {
    std::string file = TinyFile();
    file.resize(file.size() - 3);
    EXPECT_FALSE(ReadMidi(file).valid);
}

TEST(MidiReader, CountsANoteThatIsNeverReleased) {
    std::string file = TinyFile();
    file[file.size() - 6] = 61;  // the note-off now names another pitch
    const MidiSummary summary = ReadMidi(file);
    ASSERT_TRUE(summary.valid) << summary.problem;
    EXPECT_EQ(summary.unmatchedNotes, 1);
}

std::vector<std::string> TrackNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::current_path())) {
        if (entry.path().extension() == ".mid") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(MusicTracks, EveryTrackIsAPlayableTuneOfOneToThreeMinutes) {
    const std::vector<std::string> names = TrackNames();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        std::ifstream in(name, std::ios::binary);
        const MidiSummary summary =
            ReadMidi({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        ASSERT_TRUE(summary.valid) << name << ": " << summary.problem;
        EXPECT_TRUE(summary.format == 0 || summary.format == 1) << name;
        EXPECT_GT(summary.noteOns, 50) << name;
        EXPECT_EQ(summary.unmatchedNotes, 0) << name;
        EXPECT_GE(summary.seconds, 60.0) << name;
        EXPECT_LE(summary.seconds, 180.0) << name;
        // Within the range every General MIDI instrument can sound.
        EXPECT_GE(summary.lowestPitch, 28) << name;
        EXPECT_LE(summary.highestPitch, 96) << name;
    }
}

}  // namespace
}  // namespace vm

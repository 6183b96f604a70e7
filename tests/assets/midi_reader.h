#pragma once
// Reads a Standard MIDI File far enough to check it: chunks, events, notes and duration.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vm {

struct MidiSummary {
    bool valid = false;
    std::string problem;
    int format = -1;
    int declaredTracks = 0;
    int foundTracks = 0;
    int ticksPerBeat = 0;
    int noteOns = 0;
    int unmatchedNotes = 0;  // note-ons never switched off
    int lowestPitch = 128;
    int highestPitch = -1;
    double seconds = 0;
};

MidiSummary ReadMidi(const std::string& bytes);

}  // namespace vm

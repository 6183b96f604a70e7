#pragma once
// The text form in which the music tracks are kept in the repository.
//
//   title Sakura Sakura            shown as the track name
//   tempo 60                       quarter notes per minute
//   part koto program=107 velocity=80 gate=0.9 pan=64 reverb=50
//   section verse                  the lines below belong to this section
//   koto: A4 A4 B4:2 r:0.5 A3+E4:1.5
//   form verse verse               the order in which the sections play
//
// A note is a pitch (C4 is middle C, sharps '#', flats 'b'), chords join pitches with '+',
// 'r' is a rest, and ':beats' gives the length (one beat when left out). Every part of a
// section must last as long as the section; a part left out of a section rests.

#include <stdexcept>
#include <string>
#include <vector>

namespace vm {

inline constexpr int TicksPerBeat = 480;

struct SongPart {
    std::string name;
    int program = 0;  // General MIDI, 0-based
    int velocity = 80;
    double gate = 0.9;  // share of its length a note sounds
    int pan = 64;
    int reverb = 40;
};

struct SongNote {
    int startTick = 0;
    int lengthTicks = 0;
    int pitch = 0;
};

struct Song {
    std::string title;
    int beatsPerMinute = 60;
    std::vector<SongPart> parts;
    std::vector<std::vector<SongNote>> notesByPart;  // parallel to parts
    int lengthTicks = 0;
};

struct NoteListError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws NoteListError naming the line of the first mistake.
Song ParseNoteList(const std::string& text);

}  // namespace vm

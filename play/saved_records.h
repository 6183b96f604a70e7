#pragma once
// The options file and the high-score table of a run: read at start-up, saved into their
// folders (made on the first save), and a failed save told to the player once per file and
// run; the game goes on with what it holds in memory.

#include <string>

namespace vm {

struct Session;

enum class SavedFile { Options, HighScores };

// Which files' failures the player has already been told of during this run.
struct SaveReports {
    bool OptionsFailureTold = false;
    bool HighScoresFailureTold = false;
};

// The player's folder for the file, or the program's folder when the game runs from there.
const std::string& SavedFileFolder(const Session& session, SavedFile file);

// Replaces the file atomically; false when it was not saved (or the session keeps no records).
bool SaveDataFile(Session& session, SavedFile file, const std::string& bytes);

// Removes what saves stopped by a crash left beside the two files.
void RemoveLeftoverSaves(const Session& session);

// Fills the options from the file; a missing file is created with the defaults at once, an
// unreadable one leaves the defaults in memory and the file as it is.
void ReadOptions(Session& session);
// Replaces the file; a failure is told to the player once per run. True when it was saved.
bool WriteOptions(Session& session);

// Fills the high-score table from the file; a missing file gives the placeholders, written at
// once; an unreadable one gives the placeholders in memory and is left as it is.
void ReadHighScores(Session& session);
// Replaces the file; a failure is told to the player once per run. True when it was saved.
bool WriteHighScores(Session& session);

}  // namespace vm

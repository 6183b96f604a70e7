#pragma once
// Saving a data file into the program's folder, and telling the player, once per file and run,
// when it could not be saved; the game goes on with what it holds in memory.

#include <string>

namespace vm {

struct Session;

enum class SavedFile { Options, HighScores };

// Which files' failures the player has already been told of during this run.
struct SaveReports {
    bool OptionsFailureTold = false;
    bool HighScoresFailureTold = false;
};

// Replaces the file atomically; false when it was not saved (or the session keeps no records).
bool SaveDataFile(Session& session, SavedFile file, const std::string& bytes);

}  // namespace vm

#pragma once
// Saving a data file into its folder, made on the first save, and telling the player, once per
// file and run, when it could not be saved; the game goes on with what it holds in memory.

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

}  // namespace vm

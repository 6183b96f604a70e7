#include "play/saved_records.h"

#include "play/session.h"
#include "records/atomic_write.h"
#include "records/data_file.h"
#include "records/data_folders.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"

namespace vm {

const std::string& SavedFileFolder(const Session& session, SavedFile file) {
    return file == SavedFile::Options ? OptionsFolder(session) : PlayerDataFolder(session);
}

bool SaveDataFile(Session& session, SavedFile file, const std::string& bytes) {
    if (!session.PersistRecords) return false;
    const bool options = file == SavedFile::Options;
    const std::string& folder = SavedFileFolder(session, file);
    const std::string path = folder + (options ? OptionsFileName : HighScoresFileName);
    auto error = MakeFolders(folder);
    if (!error) error = WriteFileAtomically(path, bytes);
    if (!error) return true;

    bool& told = options ? session.saveReports.OptionsFailureTold
                         : session.saveReports.HighScoresFailureTold;
    if (!told) {
        told = true;
        const char* what = options ? "The options" : "The high-score table";
        session.host.ShowMessage(std::string(what) + " could not be saved to " + path + ": " +
                                 *error + ".");
    }
    return false;
}

void RemoveLeftoverSaves(const Session& session) {
    if (!session.PersistRecords) return;
    RemoveLeftoverTemporaries(OptionsFolder(session) + OptionsFileName);
    RemoveLeftoverTemporaries(PlayerDataFolder(session) + HighScoresFileName);
}

void ReadOptions(Session& session) {
    session.options = GameOptions{};
    const std::string& folder = SavedFileFolder(session, SavedFile::Options);
    if (!FilePresent(folder, OptionsFileName)) {
        WriteOptions(session);
        return;
    }
    const auto bytes = ReadFileBytes(folder + OptionsFileName);
    if (!bytes) return;
    const OptionsReading reading = ParseOptions(*bytes);
    session.options = reading.Options;
    if (reading.MusicTrackRead) session.music.MusicTrackChanged = false;
}

bool WriteOptions(Session& session) {
    return SaveDataFile(session, SavedFile::Options, FormatOptions(session.options));
}

void ReadHighScores(Session& session) {
    const std::string& folder = SavedFileFolder(session, SavedFile::HighScores);
    if (!FilePresent(folder, HighScoresFileName)) {
        session.highScores = PlaceholderTable();
        WriteHighScores(session);
        return;
    }
    const auto bytes = ReadFileBytes(folder + HighScoresFileName);
    session.highScores = bytes ? ParseHighScores(*bytes) : PlaceholderTable();
}

bool WriteHighScores(Session& session) {
    if (!session.PersistRecords) return false;  // nothing to format for a file never written
    return SaveDataFile(session, SavedFile::HighScores, FormatHighScores(session.highScores));
}

}  // namespace vm

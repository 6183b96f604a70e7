#include "records/save_reports.h"

#include "game/session.h"
#include "records/atomic_write.h"
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

}  // namespace vm

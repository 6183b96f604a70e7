#include "records/save_reports.h"

#include "game/session.h"
#include "records/atomic_write.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"

namespace vm {

bool SaveDataFile(Session& session, SavedFile file, const std::string& bytes) {
    if (!session.PersistRecords) return false;
    const bool options = file == SavedFile::Options;
    const std::string path =
        session.ProgramFolder + (options ? OptionsFileName : HighScoresFileName);
    const auto error = WriteFileAtomically(path, bytes);
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

}  // namespace vm

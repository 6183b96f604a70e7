#include "play/saved_records.h"

#include "play/session.h"
#include "records/atomic_write.h"
#include "records/data_file.h"
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

void ReadOptions(Session& session) {
    session.options = GameOptions{};
    if (!FilePresent(session.ProgramFolder, OptionsFileName)) {
        WriteOptions(session);
        return;
    }
    const auto bytes = ReadFileBytes(session.ProgramFolder + OptionsFileName);
    if (!bytes) return;
    const OptionsReading reading = ParseOptions(*bytes);
    session.options = reading.Options;
    if (reading.MusicTrackRead) session.music.MusicTrackChanged = false;
}

bool WriteOptions(Session& session) {
    return SaveDataFile(session, SavedFile::Options, FormatOptions(session.options));
}

void ReadHighScores(Session& session) {
    if (!FilePresent(session.ProgramFolder, HighScoresFileName)) {
        session.highScores = PlaceholderTable();
        WriteHighScores(session);
        return;
    }
    const auto bytes = ReadFileBytes(session.ProgramFolder + HighScoresFileName);
    session.highScores = bytes ? ParseHighScores(*bytes) : PlaceholderTable();
}

bool WriteHighScores(Session& session) {
    if (!session.PersistRecords) return false;  // nothing to format for a file never written
    return SaveDataFile(session, SavedFile::HighScores, FormatHighScores(session.highScores));
}

}  // namespace vm

#pragma once
// One run of the program: the game, what the window shows of it, the options and the
// high-score table, the music, the folder of its files, and the host that shows it all.

#include <string>

#include "model/game_state.h"
#include "play/saved_records.h"
#include "records/game_options.h"
#include "records/high_score_table.h"
#include "rules/table.h"
#include "view/host.h"
#include "view/table_view.h"

namespace vm {

// The background track as the music commands see it.
struct MusicState {
    std::string MusicTrackPath;
    bool MusicPlaying = false;
    bool MusicTrackChanged = false;
};

struct Session {
    explicit Session(Host& h) : host(h) {}

    Game game;
    TableView view;
    GameOptions options;
    HighScoreTable highScores;
    std::string EnteredName;
    MusicState music;
    std::string ProgramFolder;  // the folder of the pictures, sounds and tracks, ending in "/"
    // The player's folders, ending in "/": the options in the first, the high scores and the
    // player's own tracks in the second. "" is ProgramFolder, as for a game run from there.
    std::string ConfigFolder;
    std::string DataFolder;
    // Off in the simulator: whole games without touching the files in the program's folder.
    bool PersistRecords = true;
    SaveReports saveReports;
    Host& host;
};

// What the rules work on during this run.
inline Table TableOf(Session& session) {
    return {session.game, session.view, session.host, session.options, session.ProgramFolder};
}

const std::string& OptionsFolder(const Session& session);
const std::string& PlayerDataFolder(const Session& session);

}  // namespace vm

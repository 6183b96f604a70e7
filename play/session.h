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
    std::string ProgramFolder;  // the program's folder with a trailing "/"
    // Off in the simulator: whole games without touching the files in the program's folder.
    bool PersistRecords = true;
    SaveReports saveReports;
    Host& host;
};

// What the rules work on during this run.
inline Table TableOf(Session& session) {
    return {session.game, session.view, session.host, session.options, session.ProgramFolder};
}

}  // namespace vm

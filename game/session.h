#pragma once
// One run of the program: the game, what the window shows of it, the options and the
// high-score table, and the host that shows it all.

#include <string>

#include "game/game_state.h"
#include "records/game_options.h"
#include "records/high_score_table.h"
#include "records/save_reports.h"
#include "ui/host.h"
#include "ui/table_view.h"

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

// Plays a card sound from the program's folder when sound effects are on.
void PlayCardSound(Session& session, const char* file);

}  // namespace vm

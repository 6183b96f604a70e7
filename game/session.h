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

// Plays a card sound from the program's folder when sound effects are on.
void PlayCardSound(Session& session, const char* file);

const std::string& OptionsFolder(const Session& session);
const std::string& PlayerDataFolder(const Session& session);

}  // namespace vm

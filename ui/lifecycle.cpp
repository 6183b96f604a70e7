#include "ui/lifecycle.h"

#include "game/flow.h"
#include "game/session.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "records/save_reports.h"
#include "ui/music.h"
#include "ui/options_commands.h"

namespace vm {

void StartUp(Session& session, MusicDevice& music, const DataFolders& folders) {
    session.ProgramFolder = folders.Assets;
    session.ConfigFolder = folders.Config;
    session.DataFolder = folders.Data;
    RemoveLeftoverSaves(session);
    ReadOptions(session);
    ReadHighScores(session);
    ApplyOptions(session);
    StartMusic(session, music);
    ResetTable(session);
    session.game.GameInProgress = false;
}

void ShutDown(Session& session, MusicDevice& music) {
    WriteOptions(session);
    WriteHighScores(session);
    StopMidi(session, music);
}

}  // namespace vm

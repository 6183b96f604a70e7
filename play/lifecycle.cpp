#include "play/lifecycle.h"

#include "play/flow.h"
#include "play/music.h"
#include "play/options_commands.h"
#include "play/saved_records.h"
#include "play/session.h"

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

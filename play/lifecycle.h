#pragma once
// The program's start and end, in the order the rest of the game relies on.

#include "records/data_folders.h"

namespace vm {

struct Session;
class MusicDevice;

// Leftovers of a crashed save removed, options read, high scores read, options applied and
// music started, table cleared.
void StartUp(Session& session, MusicDevice& music, const DataFolders& folders);
// Options and high scores written, music stopped; a running game is discarded unasked.
void ShutDown(Session& session, MusicDevice& music);

}  // namespace vm

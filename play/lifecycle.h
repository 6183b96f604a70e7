#pragma once
// The program's start and end, in the order the rest of the game relies on.

#include <string>

namespace vm {

struct Session;
class MusicDevice;

// Options read, high scores read, options applied and music started, table cleared.
void StartUp(Session& session, MusicDevice& music, std::string programFolder);
// Options and high scores written, music stopped; a running game is discarded unasked.
void ShutDown(Session& session, MusicDevice& music);

}  // namespace vm

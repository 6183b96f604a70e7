#pragma once
// The end of a game: the scoreboard, the high-score table, and back to the idle table.

namespace vm {

struct Session;

void EndOfGame(Session& session);

}  // namespace vm

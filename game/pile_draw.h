#pragma once
// The end of every turn: the side turns the next pile card and plays it against the desk.

#include "game/game_state.h"

namespace vm {

struct Session;

void DrawFromPile(Session& session);

}  // namespace vm

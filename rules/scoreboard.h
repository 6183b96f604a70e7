#pragma once
// The end-of-game scoreboard, computed from the captured grids and the meld flags alone.

#include "model/game_state.h"
#include "view/scoreboard_view.h"

namespace vm {

ScoreboardView BuildScoreboard(const Game& game);

}  // namespace vm

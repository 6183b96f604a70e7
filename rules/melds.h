#pragma once
// The six melds: fixed sets of cards that score bonus points once per game for the side that
// captures them all, announced the moment they are completed.

#include "model/game_state.h"
#include "rules/table.h"
#include "view/meld_view.h"

namespace vm {

// Points of meld 1..6 (30, 30, 20, 20, 20, 50); 0 for any other number.
int MeldPoints(int meld);

// Whether every card of the meld lies in the grid.
bool MeldComplete(const CapturedGrid& grid, int meld);

// The announcement of the side's meld; empty for a side or meld that does not exist.
MeldInfo PrepareMeldInfo(const Game& game, Side side, int meld);

// Scores and announces, in table order, each meld the side has newly completed.
void CheckMelds(Table& table, Side side);

}  // namespace vm

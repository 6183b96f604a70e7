#pragma once
// The six melds: fixed sets of cards that score bonus points once per game for the side that
// captures them all, announced the moment they are completed.

#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "game/one_based.h"

namespace vm {

struct Session;

// Entries 1..5: the meld's cards from the side's grid in display order; 6: the announcement;
// 7: the points text.
using MeldInfo = OneBased<std::string, 7>;

// Points of meld 1..6 (30, 30, 20, 20, 20, 50); 0 for any other number.
int MeldPoints(int meld);

// Whether every card of the meld lies in the grid.
bool MeldComplete(const CapturedGrid& grid, int meld);

MeldInfo PrepareMeldInfo(const Game& game, int side, int meld);

// Scores and announces, in table order, each meld the side has newly completed.
void CheckMelds(Session& session, int side);

}  // namespace vm

#pragma once
// Setting up a game: who moves first, the shuffle, ten cards to each hand and eight to the
// desk, dealt again while a month lies three or more times on the desk.

#include "model/game_state.h"
#include "rules/table.h"

namespace vm {

void ShuffleCards(Game& game);
void DealCards(Game& game);
// Who moves first, the deal and its re-deals, the dealt table shown; the caller then hands
// the first turn over.
void DealNewGame(Table& table);

}  // namespace vm

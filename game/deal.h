#pragma once
// Setting up a game: who moves first, the shuffle, ten cards to each hand and eight to the
// desk, dealt again while a month lies three or more times on the desk.

#include "game/game_state.h"

namespace vm {

struct Session;

void ShuffleCards(Game& game);
void DealCards(Game& game);
void DealNewGame(Session& session);

}  // namespace vm

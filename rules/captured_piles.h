#pragma once
// The captured grids, the running scores, and the month piles of the window that show them.

#include "model/card_name.h"
#include "model/game_state.h"
#include "view/table_view.h"

namespace vm {

// Stores the card in its cell (Month, rank) of the side's grid and adds its value to the
// side's score; a name with no cell is ignored.
void CaptureCard(Game& game, TableView& view, Side side, const CardName& card, int rank);
void ShowCapturedCard(TableView& view, const CardName& card, int rank);
// The month piles show the side's grid instead of the human's captures.
void ShowCapturedView(const Game& game, TableView& view, Side side);
void ClearCapturedView(TableView& view);
void ClearCapturedPiles(Game& game);
void ShowScore(const Game& game, TableView& view, Side side);

}  // namespace vm

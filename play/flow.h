#pragma once
// The spine of a game: New and Abort, the hand-over after every turn, and putting the game
// on the table and taking it off again.

#include <optional>

#include "model/game_state.h"
#include "view/debug_views.h"

namespace vm {

struct Session;

// Deals a new game over whatever is on the table, and hands the first turn over.
void NewGame(Session& session);
// Asks "Abort Game?" while Abort is enabled; true for Yes. Nothing is asked otherwise.
bool ConfirmAbort(Session& session);
// The abort itself, after the question has been answered Yes.
void AbortGame(Session& session);
// After every turn: the end of the game, the human's hand enabled, or the computer's turn.
void NextTurn(Session& session);
void ResetTable(Session& session);

// The View menu's debug aids, which show something only while a game is in progress: the
// side's captures in the month piles, and the pile's cards.
void ShowCapturedPiles(Session& session, Side side);
std::optional<PileView> PileToShow(const Session& session);

}  // namespace vm

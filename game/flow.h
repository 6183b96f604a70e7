#pragma once
// The spine of a game: New and Abort, the hand-over after every turn, and putting the game
// on the table and taking it off again.

namespace vm {

struct Session;

void mnuNew_Click(Session& session);
// Asks "Abort Game?" and, on Yes, aborts; does nothing while Abort is disabled.
void mnuAbort_Click(Session& session);
// The abort itself, after the question has been answered Yes.
void AbortGame(Session& session);
void NextTurn(Session& session);
// Zone 1 the human's hand, 2 the computer's hand, 3 the desk; anything else does nothing.
void RedrawZone(Session& session, int zone);
void ResetTable(Session& session);
// Waits DealSpeed seconds through the host; 0 or less does not wait.
void PauseForPlay(Session& session);

}  // namespace vm

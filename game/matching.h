#pragma once
// How a played card meets the desk: the search for cards of its month, the moves between
// hands, desk and captured piles, and the human's four outcomes.

#include <cstdint>
#include "game/card_name.h"

namespace vm {

struct Session;
struct Game;

// Fills DeskMatchSlots (ascending slots, at most three) and returns how many desk cards
// have the month.
std::int16_t FindDeskMatches(Game& game, int month);

void RemoveHandCard(Session& session, int side, int slot);
void RemoveDeskCard(Session& session, int slot);
// Writes the card to DeskNextSlot, sorts and redraws the desk, then advances DeskNextSlot.
void LayCardOnDesk(Session& session, const CardName& card);

// The human's plays of the card in SelectedHandSlot: no match, one match, the chosen one of
// two (desk slot d), all three.
void PlayToDesk(Session& session);
void CaptureSingleMatch(Session& session);
void CaptureChosenMatch(Session& session, int deskSlot);
void CaptureThreeMatches(Session& session);

// After the human's play: the pile draw, the side change and the hand-over.
void EndHumanPlay(Session& session);

}  // namespace vm

#pragma once
// How a played card meets the desk: the search for cards of its month, the moves between
// hands, desk and captured piles, and the human's four outcomes.

#include <cstdint>

#include "model/card_name.h"
#include "model/game_state.h"
#include "rules/table.h"

namespace vm {

// Fills DeskMatchSlots (ascending slots, at most three) and returns how many desk cards
// have the month.
std::int16_t FindDeskMatches(Game& game, int month);

void RemoveHandCard(Table& table, Side side, int slot);
void RemoveDeskCard(Table& table, int slot);
// Writes the card to DeskNextSlot, sorts and redraws the desk, then advances DeskNextSlot.
void LayCardOnDesk(Table& table, const CardName& card);

// The human's plays of the card in SelectedHandSlot: no match, one match, the chosen one of
// two (desk slot d), all three.
void PlayToDesk(Table& table);
void CaptureSingleMatch(Table& table);
void CaptureChosenMatch(Table& table, int deskSlot);
void CaptureThreeMatches(Table& table);

}  // namespace vm

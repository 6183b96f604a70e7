#pragma once
// How the computer values a play: card values plus at most one bonus from the meld sets and
// what each side has captured.

#include <cstdint>

#include "model/game_state.h"

namespace vm {

bool MeldSetBroken(const Game& game, const CardName& card);
// The points of the meld that capturing the card would complete for the computer.
std::int16_t OwnMeldBonus(const Game& game, const CardName& card);
std::int16_t OpenSetBonus(const Game& game, const CardName& card);
std::int16_t BlockBonus(const Game& game, const CardName& card);

void ClearCandidates(Game& game);
// Writes entry n afresh: the play, and the values of its cards as its score (no desk card and
// slot 0 for a discard).
void SetCandidate(Game& game, int n, const CardName& handCard, int handSlot,
                  const CardName& deskCard, int deskSlot);
// Adds the bonus to entries 1..n.
void AddBonuses(Game& game, int n);
// Adds the first positive bonus of the three rules, unless the card's set is broken.
void AddBonus(const Game& game, Candidate& candidate);

}  // namespace vm

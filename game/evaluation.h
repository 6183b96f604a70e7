#pragma once
// How the computer values a play: card values plus at most one bonus from the meld sets and
// what each side has captured.

#include <cstdint>
#include <string_view>

#include "game/game_state.h"

namespace vm {

bool MeldSetBroken(const Game& game, std::string_view card);
// The points of the meld that capturing the card would complete for the computer.
std::int16_t OwnMeldBonus(const Game& game, std::string_view card);
std::int16_t OpenSetBonus(const Game& game, std::string_view card);
std::int16_t BlockBonus(const Game& game, std::string_view card);

void ClearCandidates(Game& game);
// Writes entry n afresh: the play, and the values of its cards as its score ("" for no desk
// card, slot 0 for none).
void SetCandidate(Game& game, int n, std::string_view handCard, int handSlot,
                  std::string_view deskCard, int deskSlot);
// Adds the bonus to entries 1..n.
void AddBonuses(Game& game, int n);
// Adds the first positive bonus of the three rules, unless the card's set is broken.
void AddBonus(const Game& game, Candidate& candidate);

}  // namespace vm

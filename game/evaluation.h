#pragma once
// How the computer values a play: card values plus at most one bonus from the meld sets and
// what each side has captured.

#include <cstdint>
#include <string_view>

#include "game/game_state.h"

namespace vm {

bool MeldSetBroken(const Game& game, std::string_view card);
// Leaves the computer's grid exactly as it found it.
std::int16_t OwnMeldBonus(Game& game, std::string_view card);
std::int16_t OpenSetBonus(const Game& game, std::string_view card);
std::int16_t BlockBonus(const Game& game, std::string_view card);

void ClearCandidates(Game& game);
// Adds the first positive bonus of the three rules, unless the card's set is broken.
void AddBonus(Game& game, Candidate& candidate);

}  // namespace vm

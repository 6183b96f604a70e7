#pragma once
// The debugging aids' contents: the candidate dump and the pile viewer.

#include <string>

#include "model/game_state.h"
#include "model/one_based.h"

namespace vm {

// Ten lines, one per CandidateTable entry 1..10, each ended by CR LF.
std::string CandidateDumpText(const Game& game);

struct PileView {
    OneBased<std::string, 24> Pictures;  // "" hidden
    std::string lblNumber;
    friend bool operator==(const PileView&, const PileView&) = default;
};

PileView BuildPileView(const Game& game);

}  // namespace vm

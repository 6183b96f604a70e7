#pragma once
// The end-of-game scoreboard, computed from the captured grids and the meld flags alone.

#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "game/one_based.h"

namespace vm {

struct ScoreboardSide {
    OneBased<CardName, 24> ScoringCards;     // picture per place, "" hidden
    std::string ScoreLabel;                  // lblPlayerScore / lblCPUScore
    OneBased<CardName, 30> MeldPictures;     // six rows of five
    OneBased<std::string, 6> MeldTitles;     // lblPlayerMeld / lblCPUMeld
    std::string MeldScoreLabel;              // lblPlayerMeldScore / lblCPUMeldScore
    std::string TotalLabel;                  // lblPlayerTotal / lblCPUTotal
    std::int16_t CardTotal = 0;
    std::int16_t MeldTotal = 0;
    std::int16_t GrandTotal = 0;
    friend bool operator==(const ScoreboardSide&, const ScoreboardSide&) = default;
};

struct ScoreboardView {
    ScoreboardSide Player;
    ScoreboardSide CPU;
    std::int16_t GameResult = 0;  // 1 human higher, 2 computer higher, 3 equal
    friend bool operator==(const ScoreboardView&, const ScoreboardView&) = default;
};

ScoreboardView BuildScoreboard(const Game& game);

}  // namespace vm

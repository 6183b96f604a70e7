#pragma once
// The end-of-game scoreboard as the player sees it.

#include <cstdint>
#include <string>

#include "model/card_name.h"
#include "model/game_state.h"
#include "model/one_based.h"

namespace vm {

struct ScoreboardSide {
    OneBased<CardName, 24> ScoringCards;  // picture per place, "" hidden
    std::string ScoreLabel;               // lblPlayerScore / lblCPUScore
    OneBased<CardName, 30> MeldPictures;  // six rows of five
    OneBased<std::string, 6> MeldTitles;  // lblPlayerMeld / lblCPUMeld
    std::string MeldScoreLabel;           // lblPlayerMeldScore / lblCPUMeldScore
    std::string TotalLabel;               // lblPlayerTotal / lblCPUTotal
    std::int16_t CardTotal = 0;
    std::int16_t MeldTotal = 0;
    std::int16_t GrandTotal = 0;
    friend bool operator==(const ScoreboardSide&, const ScoreboardSide&) = default;
};

struct ScoreboardView {
    ScoreboardSide Player;
    ScoreboardSide CPU;
    vm::GameResult GameResult = vm::GameResult::None;
    friend bool operator==(const ScoreboardView&, const ScoreboardView&) = default;
};

}  // namespace vm

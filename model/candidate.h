#pragma once
// One scored play weighed by the computer's evaluation or by a pile draw's choice.

#include <cstdint>

#include "model/card_name.h"
#include "model/one_based.h"

namespace vm {

struct Candidate {
    CardName HandCard;
    std::int16_t HandSlot = 0;
    CardName DeskCard;
    std::int16_t DeskSlot = 0;
    std::int16_t Score = 0;
    std::int16_t OwnMeldBonus = 0;
    std::int16_t OpenSetBonus = 0;
    std::int16_t BlockBonus = 0;
    friend bool operator==(const Candidate&, const Candidate&) = default;
};

using CandidateTableType = OneBased<Candidate, 30>;

}  // namespace vm

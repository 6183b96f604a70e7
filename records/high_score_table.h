#pragma once
// The ten best results, best first.

#include <cstdint>
#include <string>

#include "model/one_based.h"

namespace vm {

struct HighScoreEntry {
    std::string Name;
    std::int16_t Score = 0;
    std::string Date;
    friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;
};

using HighScoreTable = OneBased<HighScoreEntry, 10>;

}  // namespace vm

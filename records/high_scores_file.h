#pragma once
// The high-score file "VMSCORES.DAT": ten lines of name, score and date.

#include <string>
#include <string_view>

#include "records/high_score_table.h"

namespace vm {

inline constexpr const char* HighScoresFileName = "VMSCORES.DAT";

// Row i: "Player i", 0, "00/00/0000".
HighScoreTable PlaceholderTable();

// Any bytes at all. Line i fills row i; an empty line, or one without a "\" followed later by a
// "|", gives the placeholder row; rows past the last line stay empty; lines past the tenth are
// ignored.
HighScoreTable ParseHighScores(std::string_view bytes);

// Exactly ten lines, CR LF, single-byte text; a row with no positive score is written as its
// placeholder line.
std::string FormatHighScores(const HighScoreTable& table);

}  // namespace vm

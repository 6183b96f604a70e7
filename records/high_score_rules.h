#pragma once
// How a result enters the high-score table.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "records/high_score_table.h"

namespace vm {

// True when the score beats the Score of at least one row; equal is not enough.
bool QualifiesForHighScore(const HighScoreTable& table, std::int16_t score);

// Row p, the first with a lower Score, becomes (name, score, date); the rows below move down
// one and the tenth drops off, so an equal older result keeps the higher rank. The name is kept
// with its blanks but made storable. Does nothing when the score does not qualify.
void InsertHighScore(HighScoreTable& table, std::int16_t score, std::string_view name,
                     std::string_view date);

// "dd/mm/yyyy".
std::string DateText(const std::tm& date);
std::string TodayText();

// "\" and "|" would split the name's line at the wrong place, so they become "/"; control
// characters are dropped.
std::string StorableName(std::string_view name);

// Without leading and trailing blanks.
std::string TrimBlanks(std::string_view text);

}  // namespace vm

#pragma once
// The computer's whole turn: a greedy capture or one of three discard rules, then its draw.

#include "rules/table.h"

namespace vm {

// Ends with the turn handed to the human; the caller goes on with the next turn.
void ComputerTurn(Table& table);

}  // namespace vm

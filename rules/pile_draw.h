#pragma once
// The end of every turn: the side turns the next pile card and plays it against the desk.

#include "rules/table.h"

namespace vm {

void DrawFromPile(Table& table);

}  // namespace vm

#pragma once
// The computer's whole turn: a greedy capture or one of three discard rules, then its draw.

namespace vm {

struct Session;

void ComputerTurn(Session& session);

}  // namespace vm

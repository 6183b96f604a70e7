#pragma once
// The human plays with the mouse: pointing at a hand card marks it and its desk matches,
// clicking plays it, and with two matches a click on a marked desk card chooses.

namespace vm {

struct Session;

void picHand_MouseMove(Session& session, int index);
void picHand_Click(Session& session, int index);
void picDesk_Click(Session& session, int index);

}  // namespace vm

#pragma once
// The Options menu: the check marks and the options they stand for, changed together, and
// the options put on the menu at start-up.

#include <cstdint>

namespace vm {

struct Session;

// 1, 2 and 3 check Fast, Moderate and Slow alone; any other speed is stored but changes no
// check mark.
void SetDealSpeed(Session& session, std::int16_t speed);

// The toggles decide by the check mark and change the option with it.
void mnuSuit_Click(Session& session);
void mnuDebug_Click(Session& session);
void mnuSound_Click(Session& session);
void mnuSaveOptions_Click(Session& session);

// The deal speed, and the check marks and debug items from the options. The music is started
// separately.
void ApplyOptions(Session& session);

}  // namespace vm

#pragma once
// The captured grids, the running scores, and the month piles of the window that show them.

#include <string_view>

#include "game/card_name.h"

namespace vm {

struct Session;

// The fixed caption of a month's pile on the window, month 1..12.
std::string_view MonthCaption(int month);

void CaptureCard(Session& session, int side, const CardName& card, int rank);
void ShowCapturedCard(Session& session, int side, const CardName& card, int rank);
void ShowCapturedView(Session& session, int side);
void ClearCapturedView(Session& session);
void ClearCapturedPiles(Session& session);
void ShowScore(Session& session, int side);

}  // namespace vm

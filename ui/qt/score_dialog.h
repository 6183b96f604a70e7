#pragma once
// "Velmoria Scoreboard": both sides' scoring cards and melds and the result, as the core
// computed them.

#include "view/scoreboard_view.h"

class QWidget;

namespace vm {

class CardPixmaps;

void showScoreDialog(QWidget* parent, CardPixmaps& pixmaps, const ScoreboardView& view);

}  // namespace vm

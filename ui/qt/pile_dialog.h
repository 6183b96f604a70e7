#pragma once
// "Pile": the cards still in the dealing pile, next card first.

#include "view/debug_views.h"

class QWidget;

namespace vm {

class CardPixmaps;

void showPileDialog(QWidget* parent, CardPixmaps& pixmaps, const PileView& view);

}  // namespace vm

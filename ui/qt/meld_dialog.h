#pragma once
// "Velmoria Meld!": the announcement of a completed meld with its cards.

#include "view/meld_view.h"

class QWidget;

namespace vm {

class CardPixmaps;

void showMeldDialog(QWidget* parent, CardPixmaps& pixmaps, const MeldInfo& info);

}  // namespace vm

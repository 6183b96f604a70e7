#pragma once
// The marked picture set's corner badge: the month number above the card's points.

#include <QImage>

#include "tools/assetgen/card_catalogue.h"

namespace vm {

// Draws on the top-left corner only, so the two sets differ in that corner alone.
void PaintCardMark(QImage& card, const CardDesign& design, int scale);

}  // namespace vm

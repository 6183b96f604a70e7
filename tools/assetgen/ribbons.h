#pragma once
// The tanzaku ribbon of the 5-point cards.

#include <QPainter>

#include "tools/assetgen/card_catalogue.h"

namespace vm {

// Kind is one of the three ribbon kinds; the poetry ribbons carry their traditional words.
void PaintRibbon(QPainter& p, const CardDesign& design, QPointF centre, double tiltDegrees);

}  // namespace vm

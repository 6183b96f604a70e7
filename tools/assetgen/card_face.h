#pragma once
// The face of every card: the month's scene, and in the marked set the corner mark.

#include <QImage>

#include "tools/assetgen/card_catalogue.h"

namespace vm {

// At `scale` times the card's pixel size.
QImage PaintCardFace(const CardDesign& design, bool marked, int scale = 1);

}  // namespace vm

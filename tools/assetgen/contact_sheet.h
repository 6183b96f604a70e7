#pragma once
// A proof sheet of every card at both sizes, for judging the art by eye; never shipped.

#include <QImage>

namespace vm {

// One row per month: the marked cards and the plain cards at full size, then both sets at
// half size as they appear on a screen of device pixel ratio 1; the back closes the sheet.
QImage PaintContactSheet();

}  // namespace vm

#pragma once
// Card pictures are 90 x 146 pixels: shown at 45 x 73 on a screen of device pixel ratio 2.

#include <QColor>

namespace vm {

inline constexpr int CardPixelWidth = 90;
inline constexpr int CardPixelHeight = 146;
inline constexpr double CardRimWidth = 2.0;
inline constexpr double CardCornerRadius = 5.0;

inline QColor CardRimColour() { return {0x22, 0x17, 0x14}; }

}  // namespace vm

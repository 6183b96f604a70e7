#pragma once
// The window's background: a beige field with the two brush characters 花 and 札.

#include <QImage>

namespace vm {

inline constexpr int BackgroundWidth = 800;
inline constexpr int BackgroundHeight = 600;

QImage PaintTableBackground();

}  // namespace vm

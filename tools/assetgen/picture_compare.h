#pragma once
// Pictures are drawn with Qt's anti-aliased painter and smooth scaling, whose optimised code
// differs from processor to processor by a rounding step here and there. A committed picture
// is therefore compared with a fresh one by its decoded pixels, within a tolerance far below
// anything a change of the art would make.

#include <QString>

namespace vm {

// Each colour and alpha channel may differ by this many levels out of 255 ...
constexpr int PictureLevelTolerance = 4;
// ... in at most one pixel in this many, and never fewer than MinDifferingPixels pixels.
constexpr int PixelsPerDifferingPixel = 200;
constexpr int MinDifferingPixels = 8;

// Empty when both files hold the same pictures (every image of an icon) of the same sizes
// within the tolerance; otherwise the first reason they do not.
QString PictureDifference(const QString& first, const QString& second);

}  // namespace vm

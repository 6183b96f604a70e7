#pragma once
// The table was designed in twips, fifteen to a logical pixel.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vm {

constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / TwipsPerPixel;
}

inline QPoint TwipPoint(int x, int y) {
    return {Px(x), Px(y)};
}
inline QSize TwipSize(int width, int height) {
    return {Px(width), Px(height)};
}
inline QRect TwipRect(int x, int y, int width, int height) {
    return {TwipPoint(x, y), TwipSize(width, height)};
}

// Every card picture is 675 x 1095 twips.
inline QRect CardRect(int x, int y) {
    return TwipRect(x, y, 675, 1095);
}

}  // namespace vm

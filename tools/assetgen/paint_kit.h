#pragma once
// Shared brushwork for the card scenes: flat colours with a thin ink outline, in the manner
// of woodblock-printed flower cards. Scenes draw on a 90 x 146 face.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace vm {

inline constexpr double FaceWidth = 90.0;
inline constexpr double FaceHeight = 146.0;

inline QColor Ink() { return {0x2b, 0x1e, 0x1a}; }

// A smooth path through every point (Catmull-Rom turned into cubic segments).
QPainterPath SmoothCurve(const std::vector<QPointF>& points);

// The whole face in a vertical gradient.
void PaintFace(QPainter& p, const QColor& top, const QColor& bottom);

void FillOutlined(QPainter& p, const QPainterPath& shape, const QBrush& fill, double outline = 0.6);

// A branch or stem: a round-capped stroke, darker edged.
void StrokeBranch(QPainter& p, const QPainterPath& path, double width, const QColor& colour);

// Round petals around a heart.
void PaintBlossom(QPainter& p, QPointF centre, double radius, const QColor& petal,
                  const QColor& heart, int petals = 5, double turnDegrees = 0);

// A pointed leaf from base to tip with a centre vein.
void PaintLeaf(QPainter& p, QPointF base, QPointF tip, double width, const QColor& fill);

// A misty cloud band, the traditional way of framing a scene.
void PaintMistBand(QPainter& p, double y, double height, const QColor& colour);

// A small bird seen from the side: body along the heading, wings, tail and beak.
struct BirdColours {
    QColor back;
    QColor belly;
    QColor wing;
    QColor beak;
};
void PaintFlyingBird(QPainter& p, QPointF centre, double length, double headingDegrees,
                     const BirdColours& colours);

}  // namespace vm

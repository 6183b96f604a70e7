// August: pampas grass on a dark hill. The bright shows the full moon, the animal card geese.
#include <cmath>
#include <numbers>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Hill(0x22, 0x22, 0x24);
const QColor Grass(0xec, 0xe4, 0xcc);

void PaintHill(QPainter& p, double crest) {
    QPainterPath hill;
    hill.moveTo(0, crest + 8);
    hill.cubicTo(20, crest - 6, 60, crest - 6, FaceWidth, crest + 6);
    hill.lineTo(FaceWidth, FaceHeight);
    hill.lineTo(0, FaceHeight);
    hill.closeSubpath();
    FillOutlined(p, hill, Hill, 0.6);
    // Grass blades curving out of the ridge, lit against the dark.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 22; ++i) {
        const double x = 2 + i * 4.1;
        const double base = crest + 8 - 10 * std::sin(std::numbers::pi * x / FaceWidth) + 4;
        const double lean = (i % 2 == 0 ? 1 : -1) * (3 + i % 5);
        QPainterPath blade;
        blade.moveTo(x, base + 10);
        blade.quadTo(x + lean * 0.3, base - 6, x + lean, base - 14 - (i % 3) * 4);
        p.setPen(QPen(Grass, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(blade);
    }
    for (int i = 0; i < 4; ++i) {
        const double x = 12 + i * 21;
        const double tip = crest - 16 - (i % 2) * 6;
        p.setPen(QPen(Grass.darker(110), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, tip + 10), QPointF(x + 4, tip));
    }
}

// A feathery seed head nodding on its stem.
void PaintPlume(QPainter& p, QPointF base, QPointF tip, const QColor& colour) {
    const QPainterPath stem = SmoothCurve({base, (base + tip) / 2 + QPointF(2, 0), tip});
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink(), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.setPen(QPen(colour.darker(115), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    for (int i = 0; i < 12; ++i) {
        const double t = 0.55 + 0.45 * i / 11.0;
        const QPointF at = stem.pointAtPercent(t);
        const double side = i % 2 == 0 ? 1 : -1;
        p.setPen(QPen(colour, 1.7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(side * 7 * (1.25 - t), 4.5));
    }
}

void PaintMoon(QPainter& p) {
    QPainterPath moon;
    moon.addEllipse(QPointF(45, 50), 27, 27);
    FillOutlined(p, moon, QColor(0xf8, 0xf0, 0xd8), 0.8);
}

void PaintGeese(QPainter& p) {
    const BirdColours goose{QColor(0x44, 0x40, 0x3c), QColor(0xb8, 0xb0, 0xa0),
                            QColor(0x2e, 0x2a, 0x28), QColor(0xd8, 0x9a, 0x30)};
    PaintFlyingBird(p, {26, 34}, 22, -8, goose);
    PaintFlyingBird(p, {50, 22}, 22, -8, goose);
    PaintFlyingBird(p, {64, 48}, 22, -8, goose);
}

}  // namespace

void PaintPampasScene(QPainter& p, const CardDesign& design) {
    switch (design.kind) {
        case CardKind::Bright:
            PaintFace(p, QColor(0xd2, 0x30, 0x22), QColor(0xe8, 0x70, 0x3a));
            PaintMoon(p);
            PaintHill(p, 92);
            break;
        case CardKind::Animal:
            PaintFace(p, QColor(0xf2, 0xd8, 0x9a), QColor(0xe6, 0x9a, 0x4a));
            PaintGeese(p);
            PaintHill(p, 88);
            break;
        default:
            PaintFace(p, QColor(0xf4, 0xee, 0xdc), QColor(0xe8, 0xd8, 0xb8));
            if (design.plainVariant == 0) {
                PaintMistBand(p, 58, 12, QColor(0xd0, 0x4a, 0x34, 140));
                PaintPlume(p, {30, 90}, {22, 36}, QColor(0x9c, 0x7a, 0x4e));
                PaintPlume(p, {56, 90}, {66, 44}, QColor(0x9c, 0x7a, 0x4e));
                PaintHill(p, 80);
            } else {
                PaintPlume(p, {40, 96}, {50, 30}, QColor(0x9c, 0x7a, 0x4e));
                PaintHill(p, 88);
            }
            break;
    }
}

}  // namespace vm

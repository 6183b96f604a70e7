// April: wisteria hanging from its vine. The animal card shows a cuckoo under a crescent moon.
#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Vine(0x3a, 0x2c, 0x22);
const QColor Flower(0x8a, 0x5c, 0xb8);
const QColor FlowerPale(0xb8, 0x98, 0xdc);

// A drooping raceme: florets shrinking towards the tip.
void PaintRaceme(QPainter& p, QPointF top, double length, double sway) {
    constexpr int Florets = 13;
    for (int i = 0; i < Florets; ++i) {
        const double t = static_cast<double>(i) / (Florets - 1);
        const double size = 6.0 * (1.0 - 0.55 * t);
        const double side = (i % 2 == 0 ? -1 : 1) * size * 0.55;
        const QPointF at = top + QPointF(sway * t * t + side, length * t);
        QPainterPath floret;
        floret.addEllipse(at, size * 0.75, size * 0.6);
        FillOutlined(p, floret, i % 3 == 1 ? FlowerPale : Flower, 0.4);
    }
}

void PaintWisteria(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(FaceWidth, 0);
        p.scale(-1, 1);
    }
    StrokeBranch(p, SmoothCurve({{-2, 14}, {26, 20}, {52, 12}, {92, 22}}), 3, Vine);
    const QPointF leafBases[] = {{14, 18}, {40, 17}, {66, 15}, {84, 20}};
    for (QPointF at : leafBases) {
        PaintLeaf(p, at, at + QPointF(-7, 8), 4, QColor(0x5c, 0x8a, 0x3a));
        PaintLeaf(p, at, at + QPointF(8, 7), 4, QColor(0x6c, 0x9a, 0x44));
    }
    PaintRaceme(p, {12, 20}, 72, 4);
    PaintRaceme(p, {30, 20}, 96, -3);
    PaintRaceme(p, {50, 16}, 60, 5);
    PaintRaceme(p, {68, 17}, 84, -2);
    PaintRaceme(p, {84, 21}, 56, 3);
    p.restore();
}

void PaintCuckooAndMoon(QPainter& p) {
    QPainterPath moon;
    moon.addEllipse(QPointF(66, 104), 13, 13);
    QPainterPath bite;
    bite.addEllipse(QPointF(72, 99), 12, 12);
    FillOutlined(p, moon.subtracted(bite), QColor(0xf2, 0xc8, 0x3c), 0.6);
    PaintFlyingBird(p, {40, 116}, 54, -18,
                    {QColor(0x3c, 0x40, 0x4a), QColor(0xe9, 0xe2, 0xd0), QColor(0x2a, 0x2d, 0x34),
                     QColor(0xe8, 0xb8, 0x30)});
}

}  // namespace

void PaintWisteriaScene(QPainter& p, const CardDesign& design) {
    if (design.kind == CardKind::Animal) {
        PaintFace(p, QColor(0xf4, 0xee, 0xd8), QColor(0xd8, 0x52, 0x3a));
    } else {
        PaintFace(p, QColor(0xf4, 0xf0, 0xdc), QColor(0xe4, 0xe2, 0xc0));
    }
    PaintWisteria(p, design.plainVariant == 1);
    if (design.kind == CardKind::Animal) {
        PaintCuckooAndMoon(p);
    } else if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {58, 104}, 14);
    }
}

}  // namespace vm

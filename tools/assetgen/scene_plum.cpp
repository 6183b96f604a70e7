// February: plum blossom on a dark, angular branch. The animal card shows a bush warbler.
#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Branch(0x2e, 0x20, 0x1a);
const QColor Petal(0xd6, 0x2a, 0x45);
const QColor Heart(0xf4, 0xd0, 0x5a);

void PaintPlumBranches(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(FaceWidth, 0);
        p.scale(-1, 1);
    }
    StrokeBranch(p, SmoothCurve({{-2, 128}, {24, 112}, {34, 92}, {58, 80}, {70, 58}, {86, 44}}),
                 4.5, Branch);
    StrokeBranch(p, SmoothCurve({{34, 92}, {28, 70}, {40, 48}, {36, 26}}), 2.8, Branch);
    StrokeBranch(p, SmoothCurve({{58, 80}, {74, 86}, {84, 102}}), 2.2, Branch);
    StrokeBranch(p, SmoothCurve({{20, 114}, {10, 100}, {8, 86}}), 1.8, Branch);
    const QPointF blossoms[] = {{36, 28},  {42, 46}, {30, 62}, {47, 86},  {64, 74},
                                {72, 56},  {84, 42}, {78, 92}, {86, 104}, {10, 88},
                                {24, 110}, {56, 64}, {40, 74}};
    int i = 0;
    for (QPointF at : blossoms) {
        PaintBlossom(p, at, i % 3 == 0 ? 6.5 : 5.2, Petal, Heart, 5, 17.0 * i);
        ++i;
    }
    const QPointF buds[] = {{48, 34}, {22, 74}, {68, 96}, {90, 48}};
    p.setPen(QPen(Ink(), 0.4));
    p.setBrush(Petal.darker(120));
    for (QPointF at : buds) {
        p.drawEllipse(at, 2.0, 2.4);
    }
    p.restore();
}

void PaintWarbler(QPainter& p) {
    // Perched, facing left, on the lower branch.
    p.save();
    p.translate(52, 104);
    QPainterPath tail;
    tail.moveTo(10, 2);
    tail.lineTo(24, 12);
    tail.lineTo(21, 15);
    tail.lineTo(7, 6);
    tail.closeSubpath();
    FillOutlined(p, tail, QColor(0x5f, 0x6b, 0x24));
    QPainterPath body;
    body.moveTo(-12, -6);
    body.cubicTo(-12, -16, 4, -16, 10, -6);
    body.cubicTo(14, 2, 6, 10, -4, 8);
    body.cubicTo(-12, 6, -14, 0, -12, -6);
    FillOutlined(p, body, QColor(0x8a, 0x9a, 0x36));
    QPainterPath breast;
    breast.moveTo(-12, -2);
    breast.cubicTo(-10, 6, 0, 9, 6, 4);
    breast.cubicTo(0, 4, -8, 2, -12, -2);
    FillOutlined(p, breast, QColor(0xd9, 0xd2, 0x8a), 0);
    QPainterPath wing;
    wing.moveTo(-4, -8);
    wing.cubicTo(4, -10, 12, -4, 14, 2);
    wing.cubicTo(6, 2, -2, 0, -4, -8);
    FillOutlined(p, wing, QColor(0x6c, 0x78, 0x2a), 0.5);
    QPainterPath beak;
    beak.moveTo(-12, -9);
    beak.lineTo(-18, -7.5);
    beak.lineTo(-12, -6);
    beak.closeSubpath();
    FillOutlined(p, beak, QColor(0x4a, 0x3a, 0x20), 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf0, 0xdc));
    p.drawEllipse(QPointF(-7.5, -9), 2.0, 1.6);
    p.setBrush(Ink());
    p.drawEllipse(QPointF(-7.8, -9), 1.0, 1.0);
    p.setPen(QPen(Ink(), 0.8));
    p.drawLine(QPointF(-3, 8), QPointF(-4, 13));
    p.drawLine(QPointF(1, 8), QPointF(1, 13));
    p.restore();
}

}  // namespace

void PaintPlumScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf8, 0xee, 0xe0), QColor(0xf1, 0xd6, 0xc4));
    PaintMistBand(p, 124, 18, QColor(0xc9, 0x3a, 0x40, 170));
    PaintPlumBranches(p, design.plainVariant == 1);
    if (design.kind == CardKind::Animal) {
        StrokeBranch(p, SmoothCurve({{20, 118}, {46, 116}, {80, 122}}), 2.4, Branch);
        PaintWarbler(p);
    } else if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {48, 86}, 12);
    }
}

}  // namespace vm

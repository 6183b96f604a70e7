// June: peonies among broad leaves. The animal card shows butterflies.
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Leaf(0x2f, 0x6e, 0x3a);

void PaintPeonyFlower(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    // Three rings of ruffled petals, darker towards the heart.
    for (int ring = 0; ring < 3; ++ring) {
        const double r = radius * (1.0 - 0.28 * ring);
        const int petals = 9 - ring * 2;
        QPainterPath flower;
        for (int i = 0; i < petals; ++i) {
            const double angle = (360.0 * i / petals + ring * 20) * std::numbers::pi / 180.0;
            flower.addEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * r * 0.55,
                              r * 0.48, r * 0.42);
        }
        FillOutlined(p, flower.simplified(), colour.darker(100 + ring * 14), 0.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xd0, 0x48));
    p.drawEllipse(centre, radius * 0.16, radius * 0.16);
}

void PaintPeonyLeaf(QPainter& p, QPointF base, double angle, double size) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    for (int lobe = -1; lobe <= 1; ++lobe) {
        PaintLeaf(p, {0, 0}, QPointF(lobe * size * 0.6, -size * (lobe == 0 ? 1.0 : 0.75)),
                  size * 0.34, lobe == 0 ? Leaf : Leaf.lighter(118));
    }
    p.restore();
}

void PaintPeonies(QPainter& p, int layout) {
    StrokeBranch(p, SmoothCurve({{40, 150}, {44, 110}, {36, 70}}), 1.8, Leaf.darker(140));
    PaintPeonyLeaf(p, {20, 136}, -30, 24);
    PaintPeonyLeaf(p, {68, 140}, 25, 26);
    PaintPeonyLeaf(p, {44, 110}, 0, 22);
    PaintPeonyLeaf(p, {16, 92}, -50, 18);
    PaintPeonyLeaf(p, {76, 96}, 50, 18);
    if (layout == 0) {
        PaintPeonyFlower(p, {36, 58}, 22, QColor(0xe4, 0x4a, 0x6c));
        PaintPeonyFlower(p, {70, 84}, 15, QColor(0xf0, 0x8c, 0xa8));
    } else {
        PaintPeonyFlower(p, {56, 54}, 20, QColor(0xd2, 0x2c, 0x48));
        PaintPeonyFlower(p, {24, 84}, 15, QColor(0xe4, 0x4a, 0x6c));
    }
}

void PaintButterfly(QPainter& p, QPointF centre, double size, double angle, const QColor& wing) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(size / 20, size / 20);
    for (int side : {-1, 1}) {
        QPainterPath upper;
        upper.moveTo(0, -1);
        upper.cubicTo(side * 6, -14, side * 20, -12, side * 16, 0);
        upper.cubicTo(side * 12, 2, side * 4, 2, 0, -1);
        QRadialGradient shade(QPointF(side * 10, -6), 12);
        shade.setColorAt(0, wing.lighter(130));
        shade.setColorAt(1, wing);
        FillOutlined(p, upper, shade, 0.7);
        QPainterPath lower;
        lower.moveTo(0, 1);
        lower.cubicTo(side * 8, 2, side * 14, 8, side * 8, 12);
        lower.cubicTo(side * 4, 12, side * 2, 6, 0, 1);
        FillOutlined(p, lower, wing.darker(125), 0.7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf8, 0xf0, 0xd8));
        p.drawEllipse(QPointF(side * 11, -6), 2.2, 2.2);
    }
    FillOutlined(
        p,
        [] {
            QPainterPath body;
            body.addEllipse(QPointF(0, 0), 1.6, 8);
            return body;
        }(),
        Ink(), 0);
    p.setPen(QPen(Ink(), 0.7));
    p.drawLine(QPointF(0, -7), QPointF(-4, -13));
    p.drawLine(QPointF(0, -7), QPointF(4, -13));
    p.restore();
}

}  // namespace

void PaintPeonyScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf7, 0xf0, 0xde), QColor(0xec, 0xe2, 0xc0));
    PaintPeonies(p, design.plainVariant);
    if (design.kind == CardKind::Animal) {
        PaintButterfly(p, {58, 26}, 26, 18, QColor(0x2a, 0x6c, 0xc4));
        PaintButterfly(p, {24, 112}, 20, -20, QColor(0xe8, 0x96, 0x22));
    } else if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {66, 58}, 14);
    }
}

}  // namespace vm

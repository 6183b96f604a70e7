// September: chrysanthemums. The animal card shows the sake cup marked with 寿.
#include <QLinearGradient>
#include <cmath>
#include <numbers>

#include "tools/assetgen/asset_fonts.h"
#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Foliage(0x3a, 0x74, 0x3a);

void PaintChrysanthemum(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    for (int ring = 0; ring < 2; ++ring) {
        const double r = radius * (ring == 0 ? 1.0 : 0.62);
        const int petals = ring == 0 ? 18 : 12;
        QPainterPath flower;
        for (int i = 0; i < petals; ++i) {
            const double angle = (360.0 * i / petals + ring * 9) * std::numbers::pi / 180.0;
            const QPointF dir(std::cos(angle), std::sin(angle));
            const QPointF side(-dir.y(), dir.x());
            QPainterPath petal(centre + side * r * 0.09);
            petal.lineTo(centre + dir * r * 0.92 + side * r * 0.09);
            petal.quadTo(centre + dir * r * 1.05, centre + dir * r * 0.92 - side * r * 0.09);
            petal.lineTo(centre - side * r * 0.09);
            petal.closeSubpath();
            flower.addPath(petal);
        }
        FillOutlined(p, flower, ring == 0 ? colour : colour.lighter(112), 0.45);
    }
    p.setPen(QPen(Ink(), 0.4));
    p.setBrush(colour.darker(130));
    p.drawEllipse(centre, radius * 0.2, radius * 0.2);
}

void PaintChrysanthemumLeaves(QPainter& p, QPointF base, double size, double angle) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    for (int lobe = -2; lobe <= 2; ++lobe) {
        PaintLeaf(p, {0, 0}, QPointF(lobe * size * 0.3, -size * (1.0 - std::abs(lobe) * 0.15)),
                  size * 0.28, lobe % 2 == 0 ? Foliage : Foliage.lighter(115));
    }
    p.restore();
}

void PaintChrysanthemumBed(QPainter& p, int layout) {
    StrokeBranch(p, SmoothCurve({{30, 150}, {34, 110}, {28, 70}}), 1.6, Foliage.darker(140));
    StrokeBranch(p, SmoothCurve({{56, 150}, {60, 116}, {70, 88}}), 1.6, Foliage.darker(140));
    PaintChrysanthemumLeaves(p, {30, 132}, 18, -30);
    PaintChrysanthemumLeaves(p, {62, 130}, 18, 30);
    PaintChrysanthemumLeaves(p, {34, 100}, 14, 20);
    const QColor yellow(0xf2, 0xbe, 0x2a);
    const QColor red(0xc8, 0x36, 0x2c);
    const QColor white(0xf6, 0xf0, 0xe0);
    if (layout == 0) {
        PaintChrysanthemum(p, {28, 62}, 17, yellow);
        PaintChrysanthemum(p, {68, 84}, 13, red);
        PaintChrysanthemum(p, {66, 36}, 10, white);
    } else {
        PaintChrysanthemum(p, {56, 50}, 18, red);
        PaintChrysanthemum(p, {22, 90}, 13, yellow);
        PaintChrysanthemum(p, {72, 96}, 9, yellow);
    }
}

void PaintSakeCup(QPainter& p) {
    const QRectF rim(20, 92, 50, 16);
    QPainterPath bowl;
    bowl.moveTo(rim.left(), rim.center().y());
    bowl.cubicTo(rim.left() + 4, rim.bottom() + 18, rim.right() - 4, rim.bottom() + 18, rim.right(),
                 rim.center().y());
    bowl.lineTo(rim.left(), rim.center().y());
    QPainterPath foot;
    foot.addRoundedRect(QRectF(34, 122, 22, 8), 2, 2);
    QLinearGradient lacquer(rim.left(), 0, rim.right(), 0);
    lacquer.setColorAt(0, QColor(0xa8, 0x14, 0x14));
    lacquer.setColorAt(0.4, QColor(0xdc, 0x34, 0x28));
    lacquer.setColorAt(1, QColor(0x98, 0x10, 0x12));
    FillOutlined(p, foot, QColor(0x8c, 0x12, 0x12), 0.7);
    FillOutlined(p, bowl, lacquer, 0.8);
    QPainterPath top;
    top.addEllipse(rim);
    FillOutlined(p, top, QColor(0xd0, 0x28, 0x20), 0.8);
    QPainterPath inner;
    inner.addEllipse(rim.adjusted(3, 2, -3, -2));
    FillOutlined(p, inner, QColor(0xe8, 0xb8, 0x4a), 0);
    p.setFont(BrushFont(15));
    p.setPen(QColor(0xf2, 0xc8, 0x50));
    p.drawText(QRectF(30, 104, 30, 18), Qt::AlignCenter, QStringLiteral("寿"));
}

}  // namespace

void PaintChrysanthemumScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf6, 0xf0, 0xdc), QColor(0xe2, 0xd8, 0xb6));
    PaintChrysanthemumBed(p, design.plainVariant);
    if (design.kind == CardKind::Animal) {
        PaintSakeCup(p);
    } else if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {50, 100}, 12);
    }
}

}  // namespace vm

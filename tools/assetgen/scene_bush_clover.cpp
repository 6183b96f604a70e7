// July: bush clover on arching stems. The animal card shows a boar.
#include <cmath>
#include <numbers>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Stem(0x5a, 0x28, 0x2a);
const QColor Bloom(0xc0, 0x2c, 0x7a);
const QColor Foliage(0x4e, 0x86, 0x3c);

// Florets and small leaves along an arching stem.
void PaintCloverSpray(QPainter& p, const std::vector<QPointF>& points) {
    const QPainterPath stem = SmoothCurve(points);
    StrokeBranch(p, stem, 1.4, Stem);
    for (int i = 1; i < 14; ++i) {
        const double t = i / 14.0;
        const QPointF at = stem.pointAtPercent(t);
        const double angle = stem.angleAtPercent(t) * std::numbers::pi / 180.0;
        const QPointF normal(std::sin(angle), std::cos(angle));
        if (i % 2 == 0) {
            PaintLeaf(p, at, at + normal * 6.5 + QPointF(1, 0), 3.2, Foliage);
        } else {
            QPainterPath floret;
            floret.addEllipse(at - normal * 3.5, 2.8, 3.4);
            floret.addEllipse(at - normal * 3.5 + QPointF(3.0, -1.8), 2.4, 2.9);
            FillOutlined(p, floret.simplified(), i % 3 == 0 ? Bloom.lighter(125) : Bloom, 0.4);
        }
    }
}

void PaintClover(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(FaceWidth, 0);
        p.scale(-1, 1);
    }
    PaintCloverSpray(p, {{4, 150}, {10, 80}, {40, 30}, {84, 22}});
    PaintCloverSpray(p, {{12, 150}, {28, 96}, {62, 66}, {90, 70}});
    PaintCloverSpray(p, {{20, 150}, {40, 120}, {70, 108}, {92, 116}});
    p.restore();
}

void PaintBoar(QPainter& p) {
    const QColor hide(0x6a, 0x4a, 0x30);
    p.setPen(QPen(Ink(), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 124), QPointF(16, 136));
    p.drawLine(QPointF(34, 126), QPointF(36, 138));
    p.drawLine(QPointF(56, 126), QPointF(50, 138));
    p.drawLine(QPointF(66, 124), QPointF(74, 134));
    QPainterPath body;
    body.moveTo(14, 112);
    body.cubicTo(16, 96, 40, 90, 62, 96);
    body.cubicTo(72, 98, 80, 104, 84, 112);
    body.lineTo(86, 118);
    body.cubicTo(80, 122, 74, 122, 70, 122);
    body.cubicTo(56, 130, 30, 130, 18, 124);
    body.cubicTo(12, 120, 12, 116, 14, 112);
    FillOutlined(p, body, hide, 0.8);
    // Bristles along the back and the tusk.
    p.setPen(QPen(Ink(), 0.8));
    for (int i = 0; i < 10; ++i) {
        const double x = 20 + i * 5.5;
        p.drawLine(QPointF(x, 99 - std::sin(i * 0.4) * 3),
                   QPointF(x - 3, 95 - std::sin(i * 0.4) * 3));
    }
    p.setPen(QPen(QColor(0xf4, 0xee, 0xdc), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 117), QPointF(84, 112));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink());
    p.drawEllipse(QPointF(74, 106), 1.2, 1.2);
}

}  // namespace

void PaintBushCloverScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf6, 0xec, 0xe4), QColor(0xe6, 0xc8, 0xd4));
    PaintMistBand(p, 126, 16, QColor(0xa8, 0x3a, 0x6a, 150));
    PaintClover(p, design.plainVariant == 1);
    if (design.kind == CardKind::Animal) {
        PaintBoar(p);
    } else if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {48, 92}, -16);
    }
}

}  // namespace vm

// November: willow in the rain. The bright shows a traveller with an umbrella, the animal card
// a swallow, and the "1" card a flash of lightning.
#include <cmath>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/seeded_noise.h"

namespace vm {

namespace {

const QColor Willow(0x8c, 0xb8, 0x4a);

void PaintRain(QPainter& p, std::uint32_t seed) {
    SeededNoise noise(seed);
    p.setPen(QPen(QColor(0xc8, 0xd4, 0xdc, 110), 0.6));
    for (int i = 0; i < 40; ++i) {
        const QPointF from(noise.Next() * 100 - 5, noise.Next() * FaceHeight);
        p.drawLine(from, from + QPointF(-4, 10));
    }
}

// Long strands falling from the top, each with a row of narrow leaves.
void PaintWillowStrands(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(FaceWidth, 0);
        p.scale(-1, 1);
    }
    StrokeBranch(p, SmoothCurve({{-2, 6}, {40, 10}, {92, 4}}), 2.4, QColor(0x3a, 0x30, 0x24));
    const double starts[] = {6, 20, 34, 50, 64, 80};
    const double lengths[] = {90, 120, 70, 104, 80, 112};
    for (int s = 0; s < 6; ++s) {
        const double x = starts[s];
        const double sway = (s % 2 == 0 ? 5 : -4);
        const QPainterPath strand = SmoothCurve(
            {{x, 8}, {x + sway * 0.4, 8 + lengths[s] * 0.5}, {x + sway, 8 + lengths[s]}});
        p.setPen(QPen(QColor(0x4a, 0x5a, 0x2a), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(strand);
        for (int i = 1; i < 12; ++i) {
            const double t = i / 12.0;
            const QPointF at = strand.pointAtPercent(t);
            const double side = i % 2 == 0 ? 1 : -1;
            PaintLeaf(p, at, at + QPointF(side * 4.5, 5.5), 2.2,
                      i % 3 == 0 ? Willow.darker(115) : Willow);
        }
    }
    p.restore();
}

void PaintTraveller(QPainter& p) {
    // A figure in a dark robe, umbrella held high, walking left.
    QPainterPath robe;
    robe.moveTo(50, 96);
    robe.cubicTo(40, 104, 38, 124, 36, 140);
    robe.lineTo(66, 140);
    robe.cubicTo(64, 124, 62, 104, 56, 96);
    robe.closeSubpath();
    FillOutlined(p, robe, QColor(0x1e, 0x2a, 0x4a), 0.8);
    QPainterPath sash;
    sash.addRect(QRectF(40, 114, 25, 4));
    FillOutlined(p, sash, QColor(0xc8, 0x2a, 0x20), 0.5);
    QPainterPath head;
    head.addEllipse(QPointF(53, 92), 4.5, 5);
    FillOutlined(p, head, QColor(0xf0, 0xd8, 0xb8), 0.6);
    p.setPen(QPen(Ink(), 1.2));
    p.drawLine(QPointF(56, 100), QPointF(60, 64));
    QPainterPath umbrella;
    umbrella.moveTo(30, 70);
    umbrella.cubicTo(36, 48, 82, 44, 88, 64);
    umbrella.cubicTo(78, 60, 72, 66, 66, 62);
    umbrella.cubicTo(58, 66, 50, 60, 44, 66);
    umbrella.cubicTo(38, 64, 34, 68, 30, 70);
    FillOutlined(p, umbrella, QColor(0xe6, 0xb4, 0x34), 0.8);
    p.setPen(QPen(QColor(0x9a, 0x70, 0x1c), 0.6));
    for (double x : {42.0, 54.0, 68.0, 80.0}) {
        p.drawLine(QPointF(60, 50), QPointF(x, 64));
    }
    // A frog leaping at the willow's foot.
    QPainterPath frog;
    frog.addEllipse(QPointF(16, 132), 6, 4);
    frog.addEllipse(QPointF(12, 128), 3, 2.6);
    FillOutlined(p, frog.simplified(), QColor(0x5c, 0xa0, 0x3a), 0.6);
}

void PaintSwallow(QPainter& p) {
    p.save();
    p.translate(46, 100);
    p.rotate(24);
    QPainterPath bird;
    bird.moveTo(18, 0);
    bird.cubicTo(12, -4, 4, -4, -4, -2);
    bird.lineTo(-20, -26);
    bird.lineTo(-8, -3);
    bird.lineTo(-22, -6);
    bird.lineTo(-10, 0);
    bird.lineTo(-22, 6);
    bird.lineTo(-8, 3);
    bird.lineTo(-18, 24);
    bird.lineTo(-2, 3);
    bird.cubicTo(6, 4, 12, 4, 18, 0);
    FillOutlined(p, bird, QColor(0x1c, 0x24, 0x48), 0.6);
    QPainterPath throat;
    throat.addEllipse(QPointF(12, 1), 3.5, 2.2);
    FillOutlined(p, throat, QColor(0xc8, 0x30, 0x22), 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xee, 0xe0));
    p.drawEllipse(QPointF(4, 2), 5, 1.6);
    p.restore();
}

void PaintLightning(QPainter& p) {
    QPainterPath bolt;
    bolt.moveTo(58, 40);
    bolt.lineTo(44, 76);
    bolt.lineTo(56, 74);
    bolt.lineTo(38, 120);
    bolt.lineTo(66, 68);
    bolt.lineTo(54, 70);
    bolt.lineTo(70, 40);
    bolt.closeSubpath();
    FillOutlined(p, bolt, QColor(0xf6, 0xd4, 0x4a), 0.8);
    QPainterPath drum;
    drum.addEllipse(QPointF(24, 40), 12, 12);
    FillOutlined(p, drum, QColor(0xc4, 0x26, 0x1e), 0.8);
    p.setPen(QPen(Ink(), 1.4));
    p.drawArc(QRectF(16, 32, 16, 16), 30 * 16, 120 * 16);
    p.drawArc(QRectF(16, 32, 16, 16), 210 * 16, 120 * 16);
}

}  // namespace

void PaintWillowScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0x4a, 0x56, 0x62), QColor(0x22, 0x28, 0x30));
    PaintRain(p, static_cast<std::uint32_t>(design.number + 1));
    if (design.kind == CardKind::Plain && design.plainVariant == 0) {
        PaintLightning(p);
    }
    PaintWillowStrands(p, design.kind == CardKind::Animal || design.plainVariant == 1);
    if (design.kind == CardKind::Bright) {
        PaintTraveller(p);
    } else if (design.kind == CardKind::Animal) {
        PaintSwallow(p);
    }
}

}  // namespace vm

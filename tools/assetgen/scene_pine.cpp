// January: pine. The bright shows a crane beneath the rising sun.
#include <QRadialGradient>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Needles(0x2c, 0x6b, 0x3c);
const QColor Bark(0x5b, 0x3a, 0x22);

// A fan of needles opening upwards from its base.
void PaintPineTuft(QPainter& p, QPointF base, double radius) {
    QPainterPath fan;
    fan.moveTo(base);
    fan.arcTo(QRectF(base.x() - radius, base.y() - radius, 2 * radius, 2 * radius), 0, 180);
    fan.closeSubpath();
    FillOutlined(p, fan, Needles, 0.6);
    p.setPen(QPen(Needles.darker(170), 0.5));
    for (int i = 1; i < 9; ++i) {
        QLineF needle(base, base + QPointF(radius, 0));
        needle.setAngle(180.0 * i / 9);
        needle.setLength(radius * 0.92);
        p.drawLine(needle);
    }
}

void PaintPineTree(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(FaceWidth, 0);
        p.scale(-1, 1);
    }
    StrokeBranch(p, SmoothCurve({{14, 150}, {22, 112}, {16, 84}, {30, 60}, {58, 44}}), 6.5, Bark);
    StrokeBranch(p, SmoothCurve({{19, 96}, {40, 88}, {66, 84}}), 3.2, Bark);
    StrokeBranch(p, SmoothCurve({{22, 70}, {12, 58}, {10, 46}}), 2.6, Bark);
    PaintPineTuft(p, {60, 46}, 17);
    PaintPineTuft(p, {80, 50}, 12);
    PaintPineTuft(p, {38, 52}, 14);
    PaintPineTuft(p, {68, 88}, 15);
    PaintPineTuft(p, {48, 90}, 11);
    PaintPineTuft(p, {12, 50}, 12);
    PaintPineTuft(p, {28, 118}, 13);
    p.restore();
}

void PaintSun(QPainter& p) {
    QRadialGradient glow(QPointF(60, 30), 24);
    glow.setColorAt(0, QColor(0xe8, 0x3a, 0x22));
    glow.setColorAt(1, QColor(0xc4, 0x1c, 0x16));
    FillOutlined(
        p,
        [] {
            QPainterPath sun;
            sun.addEllipse(QPointF(60, 30), 23, 23);
            return sun;
        }(),
        glow, 0.7);
}

void PaintCrane(QPainter& p) {
    const QColor white(0xfb, 0xfa, 0xf3);
    // Legs first, so the body covers their tops.
    p.setPen(QPen(Ink(), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 120), QPointF(42, 141));
    p.drawLine(QPointF(50, 120), QPointF(54, 141));

    QPainterPath tail;
    tail.moveTo(30, 112);
    tail.cubicTo(22, 114, 18, 122, 20, 128);
    tail.cubicTo(28, 124, 34, 122, 40, 118);
    tail.closeSubpath();
    FillOutlined(p, tail, Ink());

    QPainterPath body;
    body.moveTo(28, 110);
    body.cubicTo(30, 98, 50, 96, 58, 104);
    body.cubicTo(60, 112, 54, 122, 44, 122);
    body.cubicTo(36, 122, 30, 118, 28, 110);
    FillOutlined(p, body, white);

    QPainterPath wing;
    wing.moveTo(34, 106);
    wing.cubicTo(40, 100, 52, 102, 54, 108);
    wing.cubicTo(46, 108, 40, 112, 34, 106);
    FillOutlined(p, wing, QColor(0xe4, 0xe1, 0xd6), 0.5);

    QPainterPath neck;
    neck.moveTo(54, 102);
    neck.cubicTo(62, 92, 58, 80, 64, 70);
    neck.lineTo(67, 71);
    neck.cubicTo(62, 82, 66, 94, 58, 106);
    neck.closeSubpath();
    FillOutlined(p, neck, Ink(), 0.4);

    QPainterPath head;
    head.addEllipse(QPointF(66, 69), 3.6, 3.0);
    FillOutlined(p, head, white, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd3, 0x20, 0x1a));
    p.drawEllipse(QPointF(65.5, 66.6), 1.8, 1.3);
    QPainterPath beak;
    beak.moveTo(69, 68);
    beak.lineTo(78, 66);
    beak.lineTo(69, 70.5);
    beak.closeSubpath();
    FillOutlined(p, beak, QColor(0x8a, 0x8a, 0x5a), 0.4);
}

}  // namespace

void PaintPineScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf6, 0xec, 0xd2), QColor(0xe9, 0xcf, 0x9b));
    if (design.kind == CardKind::Bright) {
        PaintSun(p);
        PaintMistBand(p, 132, 14, QColor(0xd8, 0x4a, 0x2e, 200));
        PaintPineTree(p, false);
        p.translate(10, 0);
        PaintCrane(p);
        return;
    }
    PaintMistBand(p, 128, 16, QColor(0xd8, 0x4a, 0x2e, 200));
    PaintPineTree(p, design.plainVariant == 1);
    if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {52, 86}, -14);
    }
}

}  // namespace vm

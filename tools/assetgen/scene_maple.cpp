// October: maple leaves in autumn colours. The animal card shows a deer.
#include <cmath>
#include <numbers>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Twig(0x3a, 0x26, 0x1e);

// A seven-pointed leaf: each point a lobe with a notch between.
void PaintMapleLeaf(QPainter& p, QPointF centre, double radius, double turn, const QColor& colour) {
    constexpr int Points = 7;
    QPainterPath leaf;
    for (int i = 0; i <= Points; ++i) {
        const double angle = (turn - 90 + (i - Points / 2.0) * 38.0) * std::numbers::pi / 180.0;
        const double notch = angle + 19.0 * std::numbers::pi / 180.0;
        const double length = radius * (1.0 - std::abs(i - 3) * 0.14);
        const QPointF tip = centre + QPointF(std::cos(angle), std::sin(angle)) * length;
        if (i == 0) {
            leaf.moveTo(centre);
            leaf.lineTo(tip);
        } else if (i < Points) {
            leaf.lineTo(tip);
        }
        if (i < Points - 1) {
            leaf.lineTo(centre + QPointF(std::cos(notch), std::sin(notch)) * radius * 0.42);
        }
    }
    leaf.closeSubpath();
    FillOutlined(p, leaf, colour, 0.5);
    p.setPen(QPen(colour.darker(150), 0.4));
    for (int i = 1; i < Points - 1; ++i) {
        const double angle = (turn - 90 + (i - Points / 2.0) * 38.0) * std::numbers::pi / 180.0;
        p.drawLine(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.7);
    }
}

void PaintMapleBranches(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(FaceWidth, 0);
        p.scale(-1, 1);
    }
    StrokeBranch(p, SmoothCurve({{92, 8}, {60, 22}, {36, 40}, {24, 70}}), 2.6, Twig);
    StrokeBranch(p, SmoothCurve({{60, 22}, {66, 48}, {80, 70}}), 1.8, Twig);
    StrokeBranch(p, SmoothCurve({{-2, 96}, {20, 100}, {44, 118}}), 2.0, Twig);
    const QColor red(0xd2, 0x30, 0x1e);
    const QColor orange(0xe8, 0x7a, 0x22);
    const QColor crimson(0xa8, 0x18, 0x20);
    const QColor gold(0xe8, 0xb0, 0x2a);
    PaintMapleLeaf(p, {44, 30}, 17, -20, red);
    PaintMapleLeaf(p, {22, 54}, 15, -40, orange);
    PaintMapleLeaf(p, {24, 82}, 16, 170, crimson);
    PaintMapleLeaf(p, {66, 54}, 15, 20, gold);
    PaintMapleLeaf(p, {78, 80}, 16, 160, red);
    PaintMapleLeaf(p, {76, 18}, 13, 10, crimson);
    PaintMapleLeaf(p, {16, 110}, 13, 200, red);
    p.restore();
}

void PaintDeer(QPainter& p) {
    const QColor coat(0xa0, 0x62, 0x30);
    p.setPen(QPen(Ink(), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 116), QPointF(38, 140));
    p.drawLine(QPointF(46, 118), QPointF(48, 140));
    p.drawLine(QPointF(66, 116), QPointF(62, 140));
    p.drawLine(QPointF(72, 114), QPointF(76, 138));
    QPainterPath body;
    body.moveTo(36, 104);
    body.cubicTo(40, 96, 70, 94, 78, 102);
    body.cubicTo(82, 110, 76, 120, 68, 120);
    body.cubicTo(58, 122, 44, 122, 38, 118);
    body.cubicTo(34, 114, 34, 108, 36, 104);
    FillOutlined(p, body, coat, 0.8);
    // Neck turned back towards the viewer, head looking up over the shoulder.
    QPainterPath neck;
    neck.moveTo(38, 106);
    neck.cubicTo(32, 98, 30, 90, 32, 82);
    neck.lineTo(40, 82);
    neck.cubicTo(40, 92, 44, 98, 46, 104);
    neck.closeSubpath();
    FillOutlined(p, neck, coat, 0.8);
    QPainterPath head;
    head.moveTo(30, 84);
    head.cubicTo(26, 80, 22, 76, 20, 78);
    head.cubicTo(20, 82, 26, 88, 34, 88);
    head.cubicTo(40, 88, 42, 82, 38, 78);
    head.cubicTo(36, 76, 32, 78, 30, 84);
    FillOutlined(p, head, coat.lighter(110), 0.8);
    p.setPen(QPen(QColor(0x5a, 0x3c, 0x22), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QList<QPointF>{{36, 78}, {38, 68}, {34, 60}});
    p.drawLine(QPointF(37.5, 70), QPointF(43, 64));
    p.drawPolyline(QList<QPointF>{{32, 78}, {28, 70}, {30, 62}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xe8, 0xcc));
    const QPointF spots[] = {{50, 102}, {58, 100}, {66, 102}, {54, 108}, {62, 107}, {70, 108}};
    for (QPointF at : spots) {
        p.drawEllipse(at, 1.5, 1.2);
    }
    p.setBrush(Ink());
    p.drawEllipse(QPointF(29, 81), 1.0, 1.0);
    p.drawEllipse(QPointF(21, 79), 1.2, 1.0);
}

}  // namespace

void PaintMapleScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf6, 0xee, 0xd8), QColor(0xf0, 0xc0, 0x8a));
    PaintMapleBranches(p, design.plainVariant == 1);
    if (design.kind == CardKind::Plain) {
        PaintMapleLeaf(p, {48, 124}, 16, 150, QColor(0xe8, 0x7a, 0x22));
    }
    if (design.kind == CardKind::Animal) {
        PaintDeer(p);
    } else if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {52, 96}, -12);
    }
}

}  // namespace vm

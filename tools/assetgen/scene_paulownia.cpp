// December: paulownia leaves and flower spikes over a golden ground. The bright shows the
// phoenix, the animal card the temple bell rung at the year's end.
#include <QLinearGradient>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor LeafGreen(0x3c, 0x6e, 0x34);
const QColor Flower(0x7a, 0x52, 0xa8);

void PaintGoldGround(QPainter& p) {
    QLinearGradient gold(0, 96, 0, FaceHeight);
    gold.setColorAt(0, QColor(0xf2, 0xc4, 0x32));
    gold.setColorAt(1, QColor(0xe0, 0x9e, 0x1c));
    QPainterPath ground;
    ground.moveTo(0, 100);
    ground.cubicTo(30, 92, 60, 104, FaceWidth, 96);
    ground.lineTo(FaceWidth, FaceHeight);
    ground.lineTo(0, FaceHeight);
    ground.closeSubpath();
    FillOutlined(p, ground, gold, 0.6);
}

// A broad leaf with a heart-shaped base and three faint lobes.
void PaintPaulowniaLeaf(QPainter& p, QPointF stem, double size, double angle) {
    p.save();
    p.translate(stem);
    p.rotate(angle);
    p.scale(size / 20, size / 20);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(-14, 4, -22, -12, -14, -22);
    leaf.cubicTo(-10, -26, -4, -28, 0, -34);
    leaf.cubicTo(4, -28, 10, -26, 14, -22);
    leaf.cubicTo(22, -12, 14, 4, 0, 0);
    FillOutlined(p, leaf, LeafGreen, 0.9);
    p.setPen(QPen(LeafGreen.lighter(150), 0.9));
    p.drawLine(QPointF(0, -2), QPointF(0, -30));
    p.drawLine(QPointF(0, -10), QPointF(-12, -18));
    p.drawLine(QPointF(0, -10), QPointF(12, -18));
    p.restore();
}

void PaintFlowerSpike(QPainter& p, QPointF base, double height) {
    p.setPen(QPen(Ink(), 1.0));
    p.drawLine(base, base - QPointF(0, height));
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        const double spread = 7 * (1 - t) + 2;
        for (int side : {-1, 1}) {
            QPainterPath bell;
            bell.addEllipse(base + QPointF(side * spread * 0.6, -height * t), 2.8, 2.2);
            FillOutlined(p, bell, i % 2 == 0 ? Flower : Flower.lighter(130), 0.4);
        }
    }
}

void PaintPaulownia(QPainter& p, int layout) {
    if (layout == 0) {
        PaintFlowerSpike(p, {28, 64}, 44);
        PaintFlowerSpike(p, {48, 56}, 46);
        PaintFlowerSpike(p, {68, 64}, 42);
    } else {
        PaintFlowerSpike(p, {38, 60}, 46);
        PaintFlowerSpike(p, {60, 62}, 44);
    }
    PaintPaulowniaLeaf(p, {22, 118}, 20, -30);
    PaintPaulowniaLeaf(p, {68, 118}, 20, 30);
    PaintPaulowniaLeaf(p, {45, 110}, 22, 0);
    PaintPaulowniaLeaf(p, {45, 146}, 18, 180);
}

void PaintPhoenix(QPainter& p) {
    // Plumes sweeping down from the head, then the body and the crowned head.
    const QColor plumes[] = {QColor(0x2a, 0x6c, 0xb8), QColor(0xd8, 0x3a, 0x2a),
                             QColor(0x3c, 0x9a, 0x4a), QColor(0xe8, 0xb0, 0x2a)};
    for (int i = 0; i < 4; ++i) {
        QPainterPath plume;
        plume.moveTo(50, 40);
        plume.cubicTo(30 - i * 6, 50 + i * 4, 10 + i * 2, 70 + i * 10, 6 + i * 14, 96 + i * 4);
        plume.cubicTo(16 + i * 12, 82 + i * 6, 34 - i * 4, 60 + i * 6, 54, 46);
        plume.closeSubpath();
        FillOutlined(p, plume, plumes[i], 0.6);
    }
    QPainterPath body;
    body.moveTo(44, 44);
    body.cubicTo(46, 30, 66, 24, 70, 34);
    body.cubicTo(72, 42, 62, 54, 50, 52);
    body.closeSubpath();
    FillOutlined(p, body, QColor(0xd8, 0x3a, 0x2a), 0.7);
    QPainterPath wing;
    wing.moveTo(54, 38);
    wing.cubicTo(62, 18, 80, 10, 88, 12);
    wing.cubicTo(80, 22, 76, 34, 64, 44);
    wing.closeSubpath();
    FillOutlined(p, wing, QColor(0x2c, 0x8a, 0x5a), 0.7);
    QPainterPath neck;
    neck.moveTo(66, 30);
    neck.cubicTo(70, 20, 76, 18, 80, 22);
    neck.lineTo(76, 28);
    neck.cubicTo(74, 26, 72, 28, 70, 34);
    neck.closeSubpath();
    FillOutlined(p, neck, QColor(0xe8, 0xb0, 0x2a), 0.6);
    QPainterPath head;
    head.addEllipse(QPointF(80, 22), 4, 3.4);
    FillOutlined(p, head, QColor(0xd8, 0x3a, 0x2a), 0.6);
    QPainterPath beak;
    beak.moveTo(83.5, 21);
    beak.lineTo(89, 23);
    beak.lineTo(83.5, 24);
    beak.closeSubpath();
    FillOutlined(p, beak, QColor(0xe8, 0xb0, 0x2a), 0.4);
    p.setPen(QPen(QColor(0x2a, 0x6c, 0xb8), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(79, 19), QPointF(76, 12));
    p.drawLine(QPointF(81, 19), QPointF(82, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink());
    p.drawEllipse(QPointF(81, 21.5), 0.9, 0.9);
}

void PaintTempleBell(QPainter& p) {
    const QColor bronze(0x5a, 0x7a, 0x64);
    QPainterPath beam;
    beam.addRect(QRectF(-2, 14, FaceWidth + 4, 7));
    FillOutlined(p, beam, QColor(0x6a, 0x3c, 0x22), 0.7);
    p.setPen(QPen(Ink(), 1.6));
    p.drawLine(QPointF(45, 21), QPointF(45, 30));
    QPainterPath bell;
    bell.moveTo(34, 36);
    bell.cubicTo(34, 28, 56, 28, 56, 36);
    bell.lineTo(60, 84);
    bell.cubicTo(52, 88, 38, 88, 30, 84);
    bell.closeSubpath();
    QLinearGradient patina(30, 0, 60, 0);
    patina.setColorAt(0, bronze.darker(130));
    patina.setColorAt(0.45, bronze.lighter(125));
    patina.setColorAt(1, bronze.darker(140));
    FillOutlined(p, bell, patina, 0.8);
    p.setPen(QPen(Ink(), 0.6));
    p.drawLine(QPointF(33, 50), QPointF(57, 50));
    p.drawLine(QPointF(32, 70), QPointF(58, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(bronze.darker(160));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.drawEllipse(QPointF(38 + col * 4.8, 38 + row * 4), 1.1, 1.1);
        }
    }
    QPainterPath striker;
    striker.addEllipse(QPointF(45, 62), 4, 4);
    FillOutlined(p, striker, QColor(0xe8, 0xb0, 0x2a), 0.6);
}

}  // namespace

void PaintPaulowniaScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf6, 0xf0, 0xde), QColor(0xee, 0xe2, 0xc4));
    PaintGoldGround(p);
    switch (design.kind) {
        case CardKind::Bright:
            PaintPhoenix(p);
            PaintPaulowniaLeaf(p, {24, 124}, 18, -30);
            PaintPaulowniaLeaf(p, {66, 124}, 18, 30);
            PaintPaulowniaLeaf(p, {45, 116}, 20, 0);
            break;
        case CardKind::Animal:
            PaintTempleBell(p);
            PaintPaulowniaLeaf(p, {22, 128}, 17, -30);
            PaintPaulowniaLeaf(p, {68, 128}, 17, 30);
            PaintPaulowniaLeaf(p, {45, 122}, 19, 0);
            break;
        case CardKind::Plain:
            PaintPaulownia(p, design.plainVariant);
            break;
        default:
            PaintPaulownia(p, 1);
            PaintRibbon(p, design, {46, 80}, 10);
            break;
    }
}

}  // namespace vm

// May: irises rising from the water. The animal card shows the eight-plank bridge.
#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"

namespace vm {

namespace {

const QColor Blade(0x3c, 0x7a, 0x3c);
const QColor Fall(0x46, 0x36, 0xa0);
const QColor Standard(0x6e, 0x5c, 0xc8);

void PaintBlade(QPainter& p, QPointF base, QPointF tip, double width) {
    QPainterPath blade(base + QPointF(-width / 2, 0));
    blade.quadTo((base + tip) / 2 + QPointF(-width / 2, 0), tip);
    blade.quadTo((base + tip) / 2 + QPointF(width / 2, 0), base + QPointF(width / 2, 0));
    blade.closeSubpath();
    FillOutlined(p, blade, Blade, 0.5);
}

void PaintIrisFlower(QPainter& p, QPointF centre, double size) {
    p.save();
    p.translate(centre);
    p.scale(size / 10, size / 10);
    // Two falls hanging out and down, the standard rising between them.
    for (int side : {-1, 1}) {
        QPainterPath fall;
        fall.moveTo(0, 0);
        fall.cubicTo(side * 6, -2, side * 12, 2, side * 10, 8);
        fall.cubicTo(side * 7, 10, side * 3, 5, 0, 0);
        FillOutlined(p, fall, Fall, 0.6);
        p.setPen(QPen(QColor(0xf2, 0xd0, 0x40), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(side * 3, 1.5), QPointF(side * 7, 4.5));
    }
    QPainterPath standard;
    standard.moveTo(0, 1);
    standard.cubicTo(-5, -4, -3, -11, 0, -12);
    standard.cubicTo(3, -11, 5, -4, 0, 1);
    FillOutlined(p, standard, Standard, 0.6);
    p.restore();
    p.setPen(QPen(Blade.darker(130), 1.1));
    p.drawLine(centre + QPointF(0, size * 0.2), centre + QPointF(0, size * 2.2));
}

void PaintIrisBed(QPainter& p, int layout) {
    const double shift = layout == 1 ? 10 : 0;
    PaintBlade(p, {14 + shift, 150}, {8 + shift, 56}, 5);
    PaintBlade(p, {24 + shift, 150}, {30 + shift, 40}, 5);
    PaintBlade(p, {40 + shift, 150}, {36 + shift, 70}, 5);
    PaintBlade(p, {52 + shift, 150}, {62 + shift, 48}, 5);
    PaintBlade(p, {64 + shift, 150}, {58 + shift, 84}, 4.5);
    PaintBlade(p, {76 + shift, 150}, {86 + shift, 60}, 5);
    PaintIrisFlower(p, {20 + shift, 54}, 10);
    PaintIrisFlower(p, {48 + shift, 40}, 11);
    PaintIrisFlower(p, {72 + shift * 0.5, 62}, 10);
    if (layout == 1) {
        PaintIrisFlower(p, {34, 80}, 8);
    }
}

void PaintBridge(QPainter& p) {
    // Planks laid in a zigzag across the water, each on two posts.
    const QColor plank(0x8a, 0x5a, 0x32);
    const QPointF corners[] = {{-4, 108}, {44, 96}, {32, 122}, {94, 112}};
    for (int i = 0; i < 3; ++i) {
        const QPointF a = corners[i];
        const QPointF b = corners[i + 1];
        QPainterPath board;
        board.moveTo(a);
        board.lineTo(b);
        board.lineTo(b + QPointF(0, 6));
        board.lineTo(a + QPointF(0, 6));
        board.closeSubpath();
        FillOutlined(p, board, plank, 0.7);
        p.setPen(QPen(plank.darker(150), 0.5));
        p.drawLine(a + QPointF(0, 3), b + QPointF(0, 3));
        for (double t : {0.25, 0.75}) {
            const QPointF post = a + (b - a) * t + QPointF(0, 6);
            FillOutlined(
                p,
                [&] {
                    QPainterPath leg;
                    leg.addRect(QRectF(post.x() - 1.4, post.y(), 2.8, 10));
                    return leg;
                }(),
                plank.darker(130), 0.5);
        }
    }
}

}  // namespace

void PaintIrisScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xf2, 0xf0, 0xe0), QColor(0xb8, 0xd2, 0xd8));
    p.setPen(QPen(QColor(0x6a, 0x98, 0xb0), 0.8));
    for (double y = 100; y < 146; y += 7) {
        p.drawLine(QPointF(4, y), QPointF(20, y - 1));
        p.drawLine(QPointF(60, y + 3), QPointF(84, y + 2));
    }
    PaintIrisBed(p, design.plainVariant);
    if (design.kind == CardKind::Animal) {
        PaintBridge(p);
    } else if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {46, 100}, -12);
    }
}

}  // namespace vm

#include "tools/assetgen/paint_kit.h"

#include <QLinearGradient>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace vm {

QPainterPath SmoothCurve(const std::vector<QPointF>& points) {
    QPainterPath path;
    if (points.empty()) {
        return path;
    }
    path.moveTo(points.front());
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF p0 = points[i == 0 ? 0 : i - 1];
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const QPointF p3 = points[i + 2 < points.size() ? i + 2 : i + 1];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

void PaintFace(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, 0, 0, FaceHeight);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, FaceWidth, FaceHeight), gradient);
}

void FillOutlined(QPainter& p, const QPainterPath& shape, const QBrush& fill, double outline) {
    p.setBrush(fill);
    if (outline > 0) {
        p.setPen(QPen(Ink(), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(shape);
}

void StrokeBranch(QPainter& p, const QPainterPath& path, double width, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink(), width + 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void PaintBlossom(QPainter& p, QPointF centre, double radius, const QColor& petal,
                  const QColor& heart, int petals, double turnDegrees) {
    QPainterPath flower;
    for (int i = 0; i < petals; ++i) {
        const double angle = (turnDegrees + 360.0 * i / petals) * std::numbers::pi / 180.0;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55;
        flower.addEllipse(at, radius * 0.5, radius * 0.5);
    }
    FillOutlined(p, flower.simplified(), petal, 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(centre, radius * 0.28, radius * 0.28);
}

void PaintLeaf(QPainter& p, QPointF base, QPointF tip, double width, const QColor& fill) {
    const QPointF along = tip - base;
    const double length = std::hypot(along.x(), along.y());
    const QPointF side = QPointF(-along.y(), along.x()) / length * width * 0.5;
    QPainterPath leaf(base);
    leaf.quadTo(base + along * 0.45 + side * 2.0, tip);
    leaf.quadTo(base + along * 0.45 - side * 2.0, base);
    FillOutlined(p, leaf, fill, 0.45);
    p.setPen(QPen(fill.darker(150), 0.45));
    p.drawLine(base, base + along * 0.85);
}

void PaintMistBand(QPainter& p, double y, double height, const QColor& colour) {
    QPainterPath band;
    const double r = height / 2;
    band.addRoundedRect(QRectF(-r, y, FaceWidth * 0.62, height), r, r);
    band.addRoundedRect(QRectF(FaceWidth * 0.38, y + height * 0.35, FaceWidth * 0.8, height), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(band.simplified());
}

void PaintFlyingBird(QPainter& p, QPointF centre, double length, double headingDegrees,
                     const BirdColours& colours) {
    p.save();
    p.translate(centre);
    p.rotate(headingDegrees);
    p.scale(length / 40.0, length / 40.0);
    // Drawn facing right, 40 long, centred on the body.
    QPainterPath tail;
    tail.moveTo(-10, 0);
    tail.lineTo(-22, -5);
    tail.lineTo(-18, 0);
    tail.lineTo(-22, 5);
    tail.closeSubpath();
    FillOutlined(p, tail, colours.back);

    QPainterPath body;
    body.moveTo(-12, 0);
    body.cubicTo(-6, -6, 8, -7, 14, -3);
    body.cubicTo(16, -1, 16, 2, 13, 3);
    body.cubicTo(6, 6, -6, 5, -12, 0);
    FillOutlined(p, body, colours.back);
    QPainterPath belly;
    belly.moveTo(-8, 1.5);
    belly.cubicTo(-2, 5, 8, 5, 13, 2.5);
    belly.cubicTo(6, 2, -2, 1, -8, 1.5);
    FillOutlined(p, belly, colours.belly, 0);

    QPainterPath beak;
    beak.moveTo(15, -2.2);
    beak.lineTo(20, -0.6);
    beak.lineTo(15, 0.6);
    beak.closeSubpath();
    FillOutlined(p, beak, colours.beak, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink());
    p.drawEllipse(QPointF(11.5, -2.4), 0.9, 0.9);

    QPainterPath wing;
    wing.moveTo(-2, -3);
    wing.cubicTo(-6, -12, -14, -18, -20, -19);
    wing.cubicTo(-10, -12, 2, -10, 6, -4);
    wing.closeSubpath();
    FillOutlined(p, wing, colours.wing);
    p.restore();
}

}  // namespace vm

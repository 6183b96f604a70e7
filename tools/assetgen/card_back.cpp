#include "tools/assetgen/card_back.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/assetgen/card_geometry.h"
#include "tools/assetgen/paint_kit.h"

namespace vm {

namespace {

const QColor Gold(0xd9, 0xaa, 0x4e);

void PaintLattice(QPainter& p, const QRectF& area) {
    p.setPen(QPen(QColor(0x3c, 0x06, 0x08, 150), 0.8));
    constexpr double Step = 9.0;
    for (double d = -area.height(); d < area.width() + area.height(); d += Step) {
        p.drawLine(QPointF(area.left() + d, area.top()),
                   QPointF(area.left() + d - area.height(), area.bottom()));
        p.drawLine(QPointF(area.left() + d - area.height(), area.top()),
                   QPointF(area.left() + d, area.bottom()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x8a, 0x5a, 70));
    for (double y = area.top() + Step / 2; y < area.bottom(); y += Step) {
        for (double x = area.left() + Step / 2; x < area.right(); x += Step) {
            p.drawEllipse(QPointF(x, y), 0.8, 0.8);
        }
    }
}

void PaintCrest(QPainter& p, QPointF centre) {
    p.setPen(QPen(Gold, 1.2));
    p.setBrush(QColor(0x5a, 0x0b, 0x0d));
    p.drawEllipse(centre, 17, 17);
    p.setPen(QPen(Gold, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 14.5, 14.5);
    PaintBlossom(p, centre, 11, Gold, QColor(0x8a, 0x12, 0x12), 5, -90);
    p.setPen(QPen(Gold.lighter(120), 0.6));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(-90 + 72 * i);
        p.drawLine(QPointF(1.5, 0), QPointF(4.2, 0));
        p.restore();
    }
}

}  // namespace

QImage PaintCardBack(int scale) {
    QImage back(CardPixelWidth * scale, CardPixelHeight * scale, QImage::Format_RGB32);
    back.fill(CardRimColour());
    QPainter p(&back);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    const QRectF face(CardRimWidth, CardRimWidth, FaceWidth - 2 * CardRimWidth,
                      FaceHeight - 2 * CardRimWidth);
    QPainterPath clip;
    clip.addRoundedRect(face, CardCornerRadius, CardCornerRadius);
    p.setClipPath(clip);
    QRadialGradient glow(FaceWidth / 2, FaceHeight / 2, FaceHeight * 0.7);
    glow.setColorAt(0, QColor(0x9a, 0x1c, 0x1c));
    glow.setColorAt(1, QColor(0x5c, 0x0a, 0x0c));
    p.fillRect(face, glow);
    const QRectF inner = face.adjusted(6, 6, -6, -6);
    PaintLattice(p, inner);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Gold, 1.1));
    p.drawRoundedRect(inner, 2.5, 2.5);
    p.setPen(QPen(Gold, 0.5));
    p.drawRoundedRect(inner.adjusted(2, 2, -2, -2), 1.5, 1.5);
    PaintCrest(p, QPointF(FaceWidth / 2, FaceHeight / 2));
    return back;
}

}  // namespace vm

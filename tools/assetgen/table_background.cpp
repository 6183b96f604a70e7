#include "tools/assetgen/table_background.h"

#include <QPainter>
#include <QRadialGradient>

#include "tools/assetgen/asset_fonts.h"
#include "tools/assetgen/seeded_noise.h"

namespace vm {

namespace {

void PaintFibres(QPainter& p) {
    SeededNoise noise(2024);
    for (int i = 0; i < 900; ++i) {
        const QPointF from(noise.Next() * BackgroundWidth, noise.Next() * BackgroundHeight);
        const QPointF to = from + QPointF(noise.NextSigned() * 14, noise.NextSigned() * 4);
        p.setPen(
            QPen(noise.Next() < 0.5 ? QColor(255, 250, 235, 40) : QColor(120, 90, 50, 22), 1.0));
        p.drawLine(from, to);
    }
}

}  // namespace

QImage PaintTableBackground() {
    QImage image(BackgroundWidth, BackgroundHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QRadialGradient field(BackgroundWidth * 0.45, BackgroundHeight * 0.4, BackgroundWidth * 0.75);
    field.setColorAt(0, QColor(0xec, 0xe0, 0xc4));
    field.setColorAt(1, QColor(0xd9, 0xc8, 0xa4));
    p.fillRect(image.rect(), field);
    PaintFibres(p);

    p.setFont(BrushFont(250));
    p.setPen(QColor(0xc8, 0xb2, 0x88));
    p.drawText(QRectF(60, 20, 340, 290), Qt::AlignCenter, QStringLiteral("花"));
    p.drawText(QRectF(380, 20, 340, 290), Qt::AlignCenter, QStringLiteral("札"));
    return image;
}

}  // namespace vm

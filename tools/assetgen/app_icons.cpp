#include "tools/assetgen/app_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/assetgen/card_catalogue.h"
#include "tools/assetgen/card_face.h"
#include "tools/assetgen/card_geometry.h"

namespace vm {

namespace {

const CardDesign& DesignOf(const char* abbreviation, int number) {
    for (const CardDesign& design : AllCardDesigns()) {
        if (design.abbreviation == abbreviation && design.number == number) {
            return design;
        }
    }
    return AllCardDesigns().front();
}

void DrawCardAt(QPainter& p, const QImage& card, QPointF centre, double height, double degrees) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    const double width = height * CardPixelWidth / CardPixelHeight;
    p.drawImage(QRectF(-width / 2, -height / 2, width, height), card);
    p.restore();
}

}  // namespace

QImage PaintWindowIcon(int size) {
    // Drawn large and scaled down, so that every size is as smooth as the cards themselves.
    constexpr int Master = 512;
    QImage icon(Master, Master, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const double height = Master * 0.80;
        DrawCardAt(p, PaintCardFace(DesignOf("aug", 20), false, 4), {Master * 0.36, Master * 0.52},
                   height, -14);
        DrawCardAt(p, PaintCardFace(DesignOf("jan", 20), false, 4), {Master * 0.62, Master * 0.50},
                   height, 10);
    }
    return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage PaintMusicIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    // Two beamed quavers on a small vermilion disc.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0x32, 0x22));
    p.drawEllipse(QPointF(24, 24), 23, 23);
    p.setBrush(QColor(0xfb, 0xf4, 0xe4));
    QPainterPath notes;
    notes.addEllipse(QPointF(15, 34), 6.5, 5);
    notes.addEllipse(QPointF(33, 30), 6.5, 5);
    notes.addRect(QRectF(19.2, 11, 2.8, 23));
    notes.addRect(QRectF(37.2, 7, 2.8, 23));
    QPainterPath beam;
    beam.moveTo(19.2, 11);
    beam.lineTo(40, 7);
    beam.lineTo(40, 13);
    beam.lineTo(19.2, 17);
    beam.closeSubpath();
    notes.addPath(beam);
    p.drawPath(notes.simplified());
    return icon;
}

}  // namespace vm

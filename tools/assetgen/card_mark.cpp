#include "tools/assetgen/card_mark.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/assetgen/asset_fonts.h"
#include "tools/assetgen/paint_kit.h"

namespace vm {

namespace {

const QRectF Badge(4.5, 4.5, 22, 29);

QColor PointsColour(int points) {
    switch (points) {
        case 20:
            return {0xb5, 0x83, 0x10};
        case 10:
            return {0x2f, 0x6e, 0x3a};
        case 5:
            return {0xb3, 0x22, 0x1b};
        default:
            return {0x6b, 0x62, 0x5a};
    }
}

}  // namespace

void PaintCardMark(QImage& card, const CardDesign& design, int scale) {
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);

    QPainterPath badge;
    badge.addRoundedRect(Badge, 3, 3);
    p.setPen(QPen(Ink(), 0.8));
    p.setBrush(QColor(0xfb, 0xf6, 0xe8));
    p.drawPath(badge);

    const QRectF monthArea(Badge.left(), Badge.top() + 0.5, Badge.width(), 16);
    p.setFont(LabelFont(14, true));
    p.setPen(QColor(0x8e, 0x16, 0x12));
    p.drawText(monthArea, Qt::AlignCenter, QString::number(design.month));

    const int points = CardPoints(design);
    const QRectF pointsArea(Badge.left() + 2, Badge.top() + 16.5, Badge.width() - 4, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(PointsColour(points));
    p.drawRoundedRect(pointsArea, 2, 2);
    p.setFont(LabelFont(9, true));
    p.setPen(Qt::white);
    p.drawText(pointsArea, Qt::AlignCenter, QString::number(points));
}

}  // namespace vm

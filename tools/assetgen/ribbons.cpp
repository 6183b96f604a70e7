#include "tools/assetgen/ribbons.h"

#include <QLinearGradient>

#include "tools/assetgen/asset_fonts.h"
#include "tools/assetgen/paint_kit.h"

namespace vm {

namespace {

constexpr double RibbonWidth = 17.0;
constexpr double RibbonLength = 64.0;

QColor RibbonColour(CardKind kind) {
    return kind == CardKind::BlueRibbon ? QColor(0x1f, 0x3c, 0x8c) : QColor(0xcc, 0x22, 0x1c);
}

QString PoemFor(int month) {
    return month == 3 ? QStringLiteral("みよしの") : QStringLiteral("あかよろし");
}

void WritePoem(QPainter& p, const QString& poem, const QRectF& strip) {
    p.setFont(BrushFont(12));
    p.setPen(Ink());
    const double step = (strip.height() - 10) / poem.size();
    for (int i = 0; i < poem.size(); ++i) {
        const QRectF cell(strip.left(), strip.top() + 6 + step * i, strip.width(), step);
        p.drawText(cell, Qt::AlignCenter, poem.mid(i, 1));
    }
}

}  // namespace

void PaintRibbon(QPainter& p, const CardDesign& design, QPointF centre, double tiltDegrees) {
    p.save();
    p.translate(centre);
    p.rotate(tiltDegrees);
    const QRectF strip(-RibbonWidth / 2, -RibbonLength / 2, RibbonWidth, RibbonLength);
    const QColor colour = RibbonColour(design.kind);

    // The folded top: a darker triangle where the strip turns over its cord.
    QPainterPath body;
    body.moveTo(strip.left(), strip.top() + 4);
    body.lineTo(strip.right(), strip.top());
    body.lineTo(strip.right(), strip.bottom());
    body.lineTo(strip.left(), strip.bottom() - 3);
    body.closeSubpath();
    QLinearGradient shade(strip.left(), 0, strip.right(), 0);
    shade.setColorAt(0, colour.lighter(118));
    shade.setColorAt(1, colour.darker(112));
    FillOutlined(p, body, shade, 0.7);

    QPainterPath fold;
    fold.moveTo(strip.left(), strip.top() + 4);
    fold.lineTo(strip.right(), strip.top());
    fold.lineTo(strip.right(), strip.top() + 6);
    fold.lineTo(strip.left(), strip.top() + 9);
    fold.closeSubpath();
    FillOutlined(p, fold, colour.darker(140), 0.5);

    if (design.kind == CardKind::PoetryRibbon) {
        WritePoem(p, PoemFor(design.month), strip.adjusted(0, 6, 0, -2));
    } else {
        // A fine inner line keeps the plain strips from looking unfinished.
        p.setPen(QPen(colour.lighter(160), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(strip.left() + 2.5, strip.top() + 11),
                   QPointF(strip.left() + 2.5, strip.bottom() - 5));
    }
    p.restore();
}

}  // namespace vm

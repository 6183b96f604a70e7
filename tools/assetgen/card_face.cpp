#include "tools/assetgen/card_face.h"

#include <QPainterPath>

#include "tools/assetgen/card_geometry.h"
#include "tools/assetgen/card_mark.h"
#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/seeded_noise.h"

namespace vm {

namespace {

// Scenes are painted larger and scaled down, which smooths the fine brushwork.
constexpr int Supersampling = 3;

// Faint fibres, so the face reads as paper rather than a flat fill.
void PaintPaperGrain(QPainter& p, std::uint32_t seed) {
    SeededNoise noise(seed);
    for (int i = 0; i < 70; ++i) {
        const QPointF from(noise.Next() * FaceWidth, noise.Next() * FaceHeight);
        const QPointF to = from + QPointF(noise.NextSigned() * 4, noise.NextSigned() * 1.5);
        const bool light = noise.Next() < 0.5;
        p.setPen(QPen(light ? QColor(255, 255, 255, 28) : QColor(90, 60, 30, 18), 0.5));
        p.drawLine(from, to);
    }
}

QImage PaintFaceArt(const CardDesign& design, int scale) {
    const int factor = scale * Supersampling;
    QImage big(CardPixelWidth * factor, CardPixelHeight * factor, QImage::Format_RGB32);
    big.fill(CardRimColour());
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(factor, factor);
        const QRectF face(CardRimWidth, CardRimWidth, FaceWidth - 2 * CardRimWidth,
                          FaceHeight - 2 * CardRimWidth);
        QPainterPath clip;
        clip.addRoundedRect(face, CardCornerRadius, CardCornerRadius);
        p.setClipPath(clip);
        PaintMonthScene(p, design);
        PaintPaperGrain(p, static_cast<std::uint32_t>(design.month * 100 + design.number));
        p.setClipping(false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xb0, 0x8d, 0x57, 150), 0.7));
        p.drawRoundedRect(face.adjusted(1.2, 1.2, -1.2, -1.2), CardCornerRadius - 1,
                          CardCornerRadius - 1);
    }
    return big.scaled(CardPixelWidth * scale, CardPixelHeight * scale, Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation);
}

}  // namespace

QImage PaintCardFace(const CardDesign& design, bool marked, int scale) {
    QImage card = PaintFaceArt(design, scale);
    if (marked) {
        PaintCardMark(card, design, scale);
    }
    return card;
}

}  // namespace vm

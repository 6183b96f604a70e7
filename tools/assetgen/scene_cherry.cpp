// March: cherry blossom. The bright shows the festival curtain beneath the blossom.
#include <QLinearGradient>

#include "tools/assetgen/month_scenes.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/ribbons.h"
#include "tools/assetgen/seeded_noise.h"

namespace vm {

namespace {

const QColor Petal(0xf9, 0xcf, 0xdc);
const QColor PetalDeep(0xef, 0x9a, 0xb6);
const QColor Heart(0xd2, 0x4b, 0x78);
const QColor Bark(0x4a, 0x2e, 0x24);

// A cloud of blossom: a pale mass, then single flowers strewn over it.
void PaintBlossomCloud(QPainter& p, QPointF centre, double width, double height,
                       std::uint32_t seed) {
    QPainterPath mass;
    SeededNoise noise(seed);
    for (int i = 0; i < 9; ++i) {
        const QPointF at =
            centre + QPointF(noise.NextSigned() * width * 0.38, noise.NextSigned() * height * 0.3);
        mass.addEllipse(at, width * 0.22, height * 0.26);
    }
    FillOutlined(p, mass.simplified(), QColor(0xfb, 0xe3, 0xea), 0.5);
    for (int i = 0; i < 14; ++i) {
        const QPointF at =
            centre + QPointF(noise.NextSigned() * width * 0.45, noise.NextSigned() * height * 0.42);
        PaintBlossom(p, at, 4.4 + noise.Next() * 1.6, i % 3 == 0 ? PetalDeep : Petal, Heart, 5,
                     noise.Next() * 72);
    }
}

void PaintCherryTree(QPainter& p, int layout) {
    StrokeBranch(p, SmoothCurve({{70, 150}, {64, 118}, {70, 92}, {58, 66}, {30, 50}}), 5, Bark);
    StrokeBranch(p, SmoothCurve({{66, 98}, {82, 82}, {92, 74}}), 2.6, Bark);
    if (layout == 0) {
        PaintBlossomCloud(p, {34, 42}, 60, 40, 3);
        PaintBlossomCloud(p, {74, 72}, 40, 30, 4);
    } else {
        PaintBlossomCloud(p, {50, 30}, 76, 44, 5);
        PaintBlossomCloud(p, {24, 84}, 40, 28, 6);
    }
}

void PaintCurtain(QPainter& p) {
    const QRectF cloth(0, 88, FaceWidth, 60);
    QLinearGradient folds(0, 0, FaceWidth, 0);
    for (int i = 0; i <= 6; ++i) {
        folds.setColorAt(i / 6.0, i % 2 == 0 ? QColor(0xc4, 0x1e, 0x1e) : QColor(0xa3, 0x12, 0x16));
    }
    QPainterPath curtain;
    curtain.moveTo(0, 96);
    for (int i = 0; i < 4; ++i) {
        const double x = i * FaceWidth / 4;
        curtain.quadTo(x + FaceWidth / 8, 104, x + FaceWidth / 4, 96);
    }
    curtain.lineTo(FaceWidth, FaceHeight);
    curtain.lineTo(0, FaceHeight);
    curtain.closeSubpath();
    FillOutlined(p, curtain, folds, 0.7);

    // The valance: white with red cloud scallops, and the cord above it.
    QPainterPath valance;
    valance.moveTo(0, 86);
    valance.lineTo(FaceWidth, 86);
    valance.lineTo(FaceWidth, 96);
    for (int i = 3; i >= 0; --i) {
        const double x = i * FaceWidth / 4;
        valance.quadTo(x + FaceWidth / 8, 104, x, 96);
    }
    valance.closeSubpath();
    FillOutlined(p, valance, QColor(0xf7, 0xf1, 0xe4), 0.6);
    StrokeBranch(p, SmoothCurve({{-2, 86}, {45, 84}, {92, 86}}), 1.6, QColor(0xd9, 0xaa, 0x4e));

    // Crests: gold circles with a five-petal mark.
    const QPointF crests[] = {{22, 118}, {68, 118}, {45, 136}};
    for (QPointF at : crests) {
        p.setPen(QPen(QColor(0xe8, 0xc2, 0x5a), 1.2));
        p.setBrush(QColor(0x8c, 0x10, 0x14));
        p.drawEllipse(at, 8, 8);
        PaintBlossom(p, at, 6, QColor(0xe8, 0xc2, 0x5a), QColor(0x8c, 0x10, 0x14), 5, -90);
    }
}

}  // namespace

void PaintCherryScene(QPainter& p, const CardDesign& design) {
    PaintFace(p, QColor(0xfb, 0xe9, 0xec), QColor(0xf0, 0xd2, 0xd4));
    if (design.kind == CardKind::Bright) {
        PaintCherryTree(p, 1);
        PaintCurtain(p);
        return;
    }
    PaintMistBand(p, 122, 18, QColor(0xd2, 0x5c, 0x7c, 150));
    PaintCherryTree(p, design.plainVariant);
    if (design.kind != CardKind::Plain) {
        PaintRibbon(p, design, {40, 96}, -10);
    }
}

}  // namespace vm

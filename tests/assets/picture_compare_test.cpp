// The comparer that judges committed pictures against fresh ones: rounding steps pass, a
// change anyone could see fails.
#include "tools/assetgen/picture_compare.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace vm {
namespace {

TEST(PictureCompare, PassesRoundingStepsAndFailsARealChange) {
    const QImage card = QImage("jan_20.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(card.size(), QSize(90, 146));
    QTemporaryDir scratch;
    const auto differenceTo = [&](const QImage& changed) {
        const QString path = scratch.filePath("changed.bmp");
        EXPECT_TRUE(changed.save(path));
        return PictureDifference("jan_20.bmp", path).toStdString();
    };
    // The first `pixels` pixels, each channel moved by `levels` towards the middle.
    const auto nudged = [&](int pixels, int levels) {
        QImage image = card.copy();
        auto* rgb = reinterpret_cast<QRgb*>(image.bits());
        const auto nudge = [levels](int v) { return v < 128 ? v + levels : v - levels; };
        for (int i = 0; i < pixels; ++i)
            rgb[i] = qRgb(nudge(qRed(rgb[i])), nudge(qGreen(rgb[i])), nudge(qBlue(rgb[i])));
        return image;
    };
    EXPECT_EQ(differenceTo(card), "") << "pixels are compared, not bytes";
    EXPECT_EQ(differenceTo(nudged(card.width() * card.height() / 200, 4)), "");
    EXPECT_EQ(differenceTo(nudged(1, 5)), "pixel (0, 0) differs by 5 levels");
    EXPECT_EQ(differenceTo(nudged(100, 1)), "100 of 13140 pixels differ");
    QImage touched = card.copy();
    QPainter(&touched).drawLine(40, 60, 44, 62);
    EXPECT_NE(differenceTo(touched), "");
    EXPECT_NE(PictureDifference("jan_20.bmp", "jano_20.bmp"), "") << "the corner mark";
    EXPECT_NE(PictureDifference("jan_20.bmp", "Card_up.wav"), "");
}

}  // namespace
}  // namespace vm

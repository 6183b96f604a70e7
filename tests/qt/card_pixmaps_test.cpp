// Card pictures: crisp at every device pixel ratio, and an outline where a file is missing.

#include "ui/qt/card_pixmaps.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "window_fixture.h"

namespace vm::test {
namespace {

TEST(CardPixmaps, ACardIsDrawnAtTheDevicePixelsOfEachRatioOnItsPlace) {
    WindowFixture table;
    QImage card(90, 146, QImage::Format_RGB32);
    card.fill(Qt::red);
    ASSERT_TRUE(card.save(table.folder() + "red_card.bmp"));
    CardPixmaps pixmaps(table.folder());
    const struct {
        double ratio;
        QSize pixels;
    } ratios[] = {{1.0, {45, 73}}, {1.5, {68, 110}}, {2.0, {90, 146}}};
    for (const auto& [ratio, pixels] : ratios) {
        const QPixmap shown = pixmaps.pixmap("red_card.bmp", {45, 73}, ratio);
        EXPECT_EQ(shown.size(), pixels) << ratio;
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
    }

    CardWidget* place = table.place("picJan_1");
    place->setPicture("red_card.bmp");
    place->show();
    const QImage shot = place->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(Qt::red));
}

TEST(CardPixmaps, AMissingPictureIsDrawnAsAnEmptyOutline) {
    EnsureApplication();
    CardPixmaps pixmaps(QStringLiteral("/nonexistent/"));
    const QPixmap missing = pixmaps.pixmap("feb_5.bmp", {45, 73}, 1.0);
    EXPECT_TRUE(missing.isNull());

    QImage canvas(45, 73, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    paintCard(painter, canvas.rect(), missing);
    painter.end();
    EXPECT_NE(canvas.pixelColor(0, 36), QColor(Qt::white)) << "the edge is drawn";
    EXPECT_EQ(canvas.pixelColor(22, 36), QColor(Qt::white)) << "the inside stays empty";
}

}  // namespace
}  // namespace vm::test

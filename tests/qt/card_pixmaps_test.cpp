// Card pictures: crisp on a 2x screen, and an outline where a file is missing.

#include "ui/qt/card_pixmaps.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "window_fixture.h"

namespace vm::test {
namespace {

TEST(CardPixmaps, ACardIsDrawnAtTheDevicePixelsOfA2xScreenAndOnItsPlace) {
    WindowFixture table;
    QImage card(90, 146, QImage::Format_RGB32);
    card.fill(Qt::red);
    ASSERT_TRUE(card.save(table.folder() + "red_card.bmp"));
    // A 2x screen gets every device pixel of the picture, not a blown-up half.
    const QPixmap shown = CardPixmaps(table.folder()).pixmap("red_card.bmp", {45, 73}, 2.0);
    EXPECT_EQ(shown.size(), QSize(90, 146));
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);

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

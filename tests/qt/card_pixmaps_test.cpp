// Card pictures: crisp at every device pixel ratio, and an outline where a file is missing.

#include "ui/qt/card_pixmaps.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "window_fixture.h"

namespace vm::test {
namespace {

class CardPixmapsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureApplication();
        QImage card(90, 146, QImage::Format_RGB32);
        card.fill(Qt::red);
        ASSERT_TRUE(card.save(m_folder.filePath("jan_20.bmp")));
    }
    QTemporaryDir m_folder;
};

TEST_F(CardPixmapsTest, ACardIsScaledToTheDevicePixelsOfEachRatio) {
    CardPixmaps pixmaps(m_folder.path() + "/");
    const QPixmap sharp = pixmaps.pixmap("jan_20.bmp", {45, 73}, 2.0);
    EXPECT_EQ(sharp.size(), QSize(90, 146)) << "the file's own pixels at 2x";
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    const QPixmap plain = pixmaps.pixmap("jan_20.bmp", {45, 73}, 1.0);
    EXPECT_EQ(plain.size(), QSize(45, 73));
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    EXPECT_EQ(pixmaps.pixmap("jan_20.bmp", {45, 73}, 1.5).size(), QSize(68, 110));
}

TEST_F(CardPixmapsTest, AMissingPictureIsDrawnAsAnEmptyOutline) {
    CardPixmaps pixmaps(m_folder.path() + "/");
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

TEST_F(CardPixmapsTest, ACardAppearsOnThePlaceThatShowsIt) {
    WindowFixture table;
    QFile::copy(m_folder.filePath("jan_20.bmp"), table.folder() + "red_card.bmp");
    CardWidget* place = table.place("picJan_1");
    place->setPicture("red_card.bmp");
    place->show();
    const QImage shot = place->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(Qt::red));
}

}  // namespace
}  // namespace vm::test

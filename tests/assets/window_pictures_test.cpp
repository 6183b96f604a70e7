// The background, the window icon and the music list's icon load with the picture readers the
// window uses, at the sizes it asks for.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <set>

namespace vm {
namespace {

std::set<int> IconSizes(const char* file) {
    QImageReader reader(file);
    std::set<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) {
            break;
        }
        const QImage image = reader.read();
        EXPECT_EQ(image.width(), image.height()) << file << " image " << i;
        sizes.insert(image.width());
    }
    return sizes;
}

TEST(WindowPictures, BackgroundIsAJpegOf800By600) {
    QImageReader reader("background.jpg");
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage background = reader.read();
    EXPECT_EQ(background.size(), QSize(800, 600));
}

TEST(WindowPictures, BackgroundIsBeigeWithDarkerCharactersAbove) {
    const QImage background = QImage("background.jpg").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(background.isNull());
    // Darkest luminance in the upper and the lower half: the characters live above.
    const auto darkest = [&](int fromY, int toY) {
        int lowest = 255;
        for (int y = fromY; y < toY; y += 2) {
            for (int x = 0; x < background.width(); x += 2) {
                lowest = std::min(lowest, qGray(background.pixel(x, y)));
            }
        }
        return lowest;
    };
    const QRgb corner = background.pixel(790, 590);
    EXPECT_GT(qRed(corner), qBlue(corner) + 20) << "not a warm beige";
    EXPECT_LT(darkest(0, 300), darkest(300, 600) - 20);
}

TEST(WindowPictures, WindowIconHasAllSizesAndATransparentEdge) {
    EXPECT_EQ(IconSizes("velmoria.ico"), (std::set<int>{16, 32, 48, 256}));
    const QImage icon("velmoria.png");
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
}

TEST(WindowPictures, MusicIconLoadsInSmallAndLargeSizes) {
    const std::set<int> sizes = IconSizes("midi.ico");
    EXPECT_TRUE(sizes.contains(16));
    EXPECT_TRUE(sizes.contains(32));
}

}  // namespace
}  // namespace vm

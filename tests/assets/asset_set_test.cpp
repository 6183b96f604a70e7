// The program loads its assets by exact name from its own folder (the tests run there). Card
// pictures are BMP files of 90 x 146 pixels; the marked set differs from the plain one only by
// its corner mark; no two cards look the same. The comparer that judges committed pictures
// against fresh ones passes rounding steps and fails a change anyone could see.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/cards.h"
#include "tools/assetgen/picture_compare.h"

namespace vm {
namespace {

// Each card's picture in the marked set and in the plain one, in the deck's order.
std::vector<std::pair<std::string, std::string>> CardPictures() {
    CardTableType marked, plain;
    BuildCardTable(marked, true);
    BuildCardTable(plain, false);
    std::vector<std::pair<std::string, std::string>> names;
    for (int i = 1; i <= 48; ++i)
        names.emplace_back(marked[i].CardName.Text(), plain[i].CardName.Text());
    return names;
}

QImage LoadCard(const std::string& name) {
    QImageReader reader(QString::fromStdString(name));
    EXPECT_EQ(reader.format(), "bmp") << name;
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(90, 146)) << name;
    return image;
}

// The tracks to choose from are counted where they are played, in the sound tests.
TEST(AssetSet, BitmapsAreExactlyBothCardSetsAndTheBack) {
    std::set<std::string> expected{"back.bmp"};
    for (const auto& [marked, plain] : CardPictures()) expected.insert({marked, plain});
    ASSERT_EQ(expected.size(), 97u);
    std::set<std::string> bitmaps;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().extension() == ".bmp") bitmaps.insert(entry.path().filename().string());
    EXPECT_EQ(bitmaps, expected);
    for (const char* name : {"Card_down.wav", "Card_up.wav", "haiku.mid", "VELMORIA.HLP"})
        EXPECT_TRUE(std::filesystem::is_regular_file(name)) << name;
}

TEST(AssetSet, BothCardSetsLoadAtCardSizeDifferOnlyInTheCornerMarkAndNoTwoCardsAreAlike) {
    std::vector<std::pair<std::string, QImage>> seen;
    for (const auto& [markedName, plainName] : CardPictures()) {
        SCOPED_TRACE(markedName);
        const QImage marked = LoadCard(markedName);
        const QImage plain = LoadCard(plainName);
        EXPECT_NE(marked, plain) << "no mark";
        QImage unmarked = marked.copy();
        QPainter(&unmarked).drawImage(0, 0, plain.copy(0, 0, 32, 38));
        EXPECT_EQ(unmarked, plain) << "differs outside its corner";
        for (const auto& [name, other] : seen) EXPECT_NE(plain, other) << "alike: " << name;
        seen.emplace_back(plainName, plain);
    }
}

// Each picture, and each image of an icon, loads square or at its size with the window's readers.
TEST(AssetSet, WindowPicturesLoadAtTheSizesTheWindowAsksFor) {
    const struct {
        const char* file;
        const char* format;
        std::set<int> widths;
    } pictures[] = {
        {"background.jpg", "jpeg", {800}},
        {"velmoria.png", "png", {256}},
        {"velmoria.ico", "ico", {16, 32, 48, 256}},
        {"midi.ico", "ico", {16, 32, 48}},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.file);
        QImageReader reader(picture.file);
        EXPECT_EQ(reader.format(), picture.format);
        std::set<int> widths;
        // A JPEG or PNG counts no images but holds one.
        for (int i = 0; i == 0 || (i < reader.imageCount() && reader.jumpToImage(i)); ++i) {
            const QImage image = reader.read();
            EXPECT_EQ(image.height(), image.width() == 800 ? 600 : image.width());
            widths.insert(image.width());
        }
        EXPECT_EQ(widths, picture.widths);
    }
}

TEST(PictureCompare, PassesRoundingStepsAndFailsARealChange) {
    const QImage card = LoadCard("jan_20.bmp");
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

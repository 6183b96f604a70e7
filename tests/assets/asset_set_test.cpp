// The program loads its assets by exact name from its own folder (the tests run there). Card
// pictures are BMP files of 90 x 146 pixels; the marked set differs from the plain one only by
// its corner mark; no two cards look the same. The comparer that judges committed pictures
// against fresh ones passes rounding steps and fails a change anyone could see.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/card_name.h"
#include "tools/assetgen/picture_compare.h"

namespace vm {
namespace {

QImage LoadCard(const std::string& name) {
    QImageReader reader(QString::fromStdString(name));
    EXPECT_EQ(reader.format(), "bmp") << name;
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(90, 146)) << name;
    return image;
}

// The sounds and tracks are checked where they are played, the rules where they are read.
TEST(AssetSet, BitmapsAreExactlyBothCardSetsAndTheBack) {
    std::set<std::string> expected{"back.bmp"};
    for (int i = 0; i < 96; ++i) expected.insert(CardName::OfIndex(i % 48, i >= 48).Text());
    std::set<std::string> bitmaps;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().extension() == ".bmp") bitmaps.insert(entry.path().filename().string());
    EXPECT_EQ(bitmaps, expected);
}

TEST(AssetSet, BothCardSetsLoadAtCardSizeDifferOnlyInTheCornerMarkAndNoTwoCardsAreAlike) {
    std::vector<QImage> seen;
    for (int i = 0; i < 48; ++i) {
        SCOPED_TRACE(CardName::OfIndex(i, false).Text());
        const QImage marked = LoadCard(CardName::OfIndex(i, false));
        const QImage plain = LoadCard(CardName::OfIndex(i, true));
        EXPECT_NE(marked, plain) << "no mark";
        QImage unmarked = marked.copy();
        QPainter(&unmarked).drawImage(0, 0, plain.copy(0, 0, 32, 38));
        EXPECT_EQ(unmarked, plain) << "differs outside its corner";
        EXPECT_EQ(std::count(seen.begin(), seen.end(), plain), 0) << "alike an earlier card";
        seen.push_back(plain);
    }
}

// Each picture, and each image of an icon, loads square or at its size with the window's readers.
TEST(AssetSet, WindowPicturesLoadAtTheSizesTheWindowAsksFor) {
    // The file, its format and the widths of its images.
    const std::tuple<const char*, const char*, std::set<int>> pictures[] = {
        {"background.jpg", "jpeg", {800}},
        {"velmoria.png", "png", {256}},
        {"velmoria.ico", "ico", {16, 32, 48, 256}},
        {"midi.ico", "ico", {16, 32, 48}},
    };
    for (const auto& [file, format, widths] : pictures) {
        SCOPED_TRACE(file);
        QImageReader reader(file);
        EXPECT_EQ(reader.format(), format);
        std::set<int> found;
        // A JPEG or PNG counts no images but holds one.
        for (int i = 0; i == 0 || (i < reader.imageCount() && reader.jumpToImage(i)); ++i) {
            const QImage image = reader.read();
            EXPECT_EQ(image.height(), image.width() == 800 ? 600 : image.width());
            found.insert(image.width());
        }
        EXPECT_EQ(found, widths);
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

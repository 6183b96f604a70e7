// Card pictures: real 24-bit BMP files of 90 x 146 pixels; the marked set differs from the
// plain one only by its corner mark; no two cards look the same.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/cards.h"

namespace vm {
namespace {

constexpr int Width = 90;
constexpr int Height = 146;

std::vector<std::string> MarkedNames() {
    CardTableType table;
    BuildCardTable(table, true);
    std::vector<std::string> names;
    for (int i = 1; i <= 48; ++i) {
        names.push_back(table[i].CardName);
    }
    return names;
}

std::vector<unsigned char> ReadBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Le16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

QImage Load(const std::string& name) {
    return QImage(QString::fromStdString(name)).convertToFormat(QImage::Format_RGB32);
}

// The box around every pixel that differs; empty when the pictures are identical.
QRect DifferenceBox(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

class EveryBitmap : public testing::TestWithParam<std::string> {};

TEST_P(EveryBitmap, IsAnUncompressed24BitBmpOfCardSize) {
    const std::vector<unsigned char> bytes = ReadBytes(GetParam());
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le32(bytes, 2), bytes.size());
    EXPECT_EQ(static_cast<std::int32_t>(Le32(bytes, 18)), Width);
    EXPECT_EQ(static_cast<std::int32_t>(Le32(bytes, 22)), Height);
    EXPECT_EQ(Le16(bytes, 28), 24);
    EXPECT_EQ(Le32(bytes, 30), 0u);
    const std::uint32_t rowBytes = (Width * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), Le32(bytes, 10) + rowBytes * Height);

    const QImage image = Load(GetParam());
    EXPECT_EQ(image.size(), QSize(Width, Height));
}

std::vector<std::string> AllBitmapNames() {
    std::vector<std::string> names = MarkedNames();
    for (const std::string& marked : MarkedNames()) {
        names.push_back(PlainName(marked));
    }
    names.push_back("back.bmp");
    return names;
}

INSTANTIATE_TEST_SUITE_P(CardPictures, EveryBitmap, testing::ValuesIn(AllBitmapNames()),
                         [](const auto& param) {
                             std::string name = param.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(CardPictures, MarkedAndPlainDifferOnlyInTheTopLeftCorner) {
    const QRect corner(0, 0, 32, 38);
    for (const std::string& marked : MarkedNames()) {
        const QRect box = DifferenceBox(Load(marked), Load(PlainName(marked)));
        EXPECT_FALSE(box.isEmpty()) << marked << " carries no mark";
        EXPECT_TRUE(corner.contains(box)) << marked << " differs outside its corner";
    }
}

TEST(CardPictures, NoTwoPlainPicturesAreAlike) {
    const std::vector<std::string> names = MarkedNames();
    std::vector<QImage> pictures;
    for (const std::string& name : names) {
        pictures.push_back(Load(PlainName(name)));
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            EXPECT_NE(pictures[i], pictures[j]) << names[i] << " and " << names[j];
        }
    }
}

TEST(CardPictures, TheBackIsDarkRed) {
    const QImage back = Load("back.bmp");
    double red = 0;
    double green = 0;
    double blue = 0;
    for (int y = 0; y < back.height(); ++y) {
        for (int x = 0; x < back.width(); ++x) {
            red += qRed(back.pixel(x, y));
            green += qGreen(back.pixel(x, y));
            blue += qBlue(back.pixel(x, y));
        }
    }
    const double pixels = back.width() * back.height();
    EXPECT_LT((red + green + blue) / (3 * pixels), 100.0);
    EXPECT_GT(red, 2 * green);
    EXPECT_GT(red, 2 * blue);
}

}  // namespace
}  // namespace vm

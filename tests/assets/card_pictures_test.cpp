// Card pictures: BMP files of 90 x 146 pixels; the marked set differs from the plain one only
// by its corner mark; no two cards look the same.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QRect>
#include <string>
#include <vector>

#include "model/cards.h"

namespace vm {
namespace {

std::vector<std::string> MarkedNames() {
    CardTableType table;
    BuildCardTable(table, true);
    std::vector<std::string> names;
    for (int i = 1; i <= 48; ++i) names.push_back(table[i].CardName);
    return names;
}

QImage LoadCard(const std::string& name) {
    QImageReader reader(QString::fromStdString(name));
    EXPECT_EQ(reader.format(), "bmp") << name;
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(90, 146)) << name;
    return image;
}

// The same card's name in the plain picture set.
std::string Plain(const std::string& marked) {
    return CardName::OfIndex(CardName(marked).Index(), true).Text();
}

class EveryCard : public testing::TestWithParam<std::string> {};

TEST_P(EveryCard, BothSetsLoadAtCardSizeAndDifferOnlyInTheTopLeftMark) {
    const QImage marked = LoadCard(GetParam());
    const QImage plain = LoadCard(Plain(GetParam()));
    ASSERT_EQ(marked.size(), plain.size());
    QRect differences;
    for (int y = 0; y < marked.height(); ++y) {
        for (int x = 0; x < marked.width(); ++x) {
            if (marked.pixel(x, y) != plain.pixel(x, y)) differences |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_FALSE(differences.isEmpty()) << "no mark";
    EXPECT_TRUE(QRect(0, 0, 32, 38).contains(differences)) << "differs outside its corner";
}

INSTANTIATE_TEST_SUITE_P(CardPictures, EveryCard, testing::ValuesIn(MarkedNames()),
                         [](const auto& param) {
                             return param.param.substr(0, param.param.find('.'));
                         });

TEST(CardPictures, NoTwoPlainPicturesAreAlike) {
    const std::vector<std::string> names = MarkedNames();
    std::vector<QImage> pictures;
    for (const std::string& name : names) pictures.push_back(LoadCard(Plain(name)));
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            EXPECT_NE(pictures[i], pictures[j]) << names[i] << " and " << names[j];
        }
    }
}

}  // namespace
}  // namespace vm

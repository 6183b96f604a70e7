#include "model/spoken_names.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

TEST(SpokenCardName, ByMonthKindAndPointsAlikeInBothSetsWithTheMeldsRibbonsByColour) {
    EXPECT_EQ(SpokenCardName(CardName("mar_20.bmp")), "March, curtain, 20 points");
    EXPECT_EQ(SpokenCardName(CardName("julo_5.bmp")), "July, ribbon, 5 points");
    EXPECT_EQ(SpokenCardName(CardName("nov_1.bmp")), "November, lightning, 0 points");
    EXPECT_EQ(SpokenCardName(CardName("back.bmp")) + SpokenCardName(CardName()), "");  // no card
    std::string poetry, blue;  // the months of the red poetry ribbons and of the blue ones
    for (int index = 0; index < 48; ++index) {
        const CardName card = CardName::OfIndex(index, false);
        const std::string& name = SpokenCardName(card);
        EXPECT_EQ(SpokenCardName(CardName::OfIndex(index, true)), name);
        poetry += name.find(", poetry ribbon,") != std::string::npos ? card.Text() : "";
        blue += name.find(", blue ribbon,") != std::string::npos ? card.Text() : "";
    }
    EXPECT_EQ(poetry, "jan_5.bmpfeb_5.bmpmar_5.bmp");  // Akai Tan
    EXPECT_EQ(blue, "jun_5.bmpsep_5.bmpoct_5.bmp");    // Aoi Tan
}

}  // namespace
}  // namespace vm

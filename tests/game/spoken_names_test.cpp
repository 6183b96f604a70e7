#include "game/spoken_names.h"

#include <gtest/gtest.h>

#include "game/cards.h"

namespace vm {
namespace {

TEST(SpokenCardName, EveryCardOfBothSetsByMonthKindAndPointsWithTheMeldsRibbonsByColour) {
    EXPECT_EQ(SpokenCardName(CardName("mar_20.bmp")), "March, curtain, 20 points");
    EXPECT_EQ(SpokenCardName(CardName("jul_5.bmp")), "July, ribbon, 5 points");
    EXPECT_EQ(SpokenCardName(CardName("nov_1.bmp")), "November, lightning, 0 points");
    EXPECT_EQ(SpokenCardName(CardName("")), "");
    EXPECT_EQ(SpokenCardName(CardName("back.bmp")), "");
    std::string brights, poetry, blue;
    for (int index = 0; index < 48; ++index) {
        const CardName card = CardName::OfIndex(index, false);
        const std::string& name = SpokenCardName(card);
        SCOPED_TRACE(card.Text());
        EXPECT_EQ(SpokenCardName(CardName::OfIndex(index, true)), name);
        EXPECT_EQ(name.find(std::string(SpokenMonthName(Month(card))) + ", "), 0u);
        EXPECT_TRUE(name.ends_with(", " + std::to_string(CardValue(card)) + " points"));
        const std::string month = card.Text().substr(0, 3);
        if (CardValue(card) == 20)
            brights += month + " ";
        if (name.find(", poetry ribbon,") != std::string::npos)
            poetry += month + " ";
        if (name.find(", blue ribbon,") != std::string::npos)
            blue += month + " ";
    }
    EXPECT_EQ(brights, "jan mar aug nov dec ");
    EXPECT_EQ(poetry, "jan feb mar ");  // Akai Tan
    EXPECT_EQ(blue, "jun sep oct ");    // Aoi Tan
}

}  // namespace
}  // namespace vm

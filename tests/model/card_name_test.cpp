#include "model/card_name.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/cards.h"

namespace vm {
namespace {

TEST(CardName, EveryDeckNameReadsBackAndKnowsItsCard) {
    for (const bool marked : {true, false}) {
        CardTableType table;
        BuildCardTable(table, marked);
        for (const CardRecord& record : table) {
            const std::string text = record.CardName;
            const CardName card(text);
            SCOPED_TRACE(text);
            EXPECT_EQ(card, record.CardName);
            EXPECT_EQ(card.Text(), text);
            EXPECT_TRUE(card.IsDeckCard());
            EXPECT_EQ(card.IsPlain(), !marked);
            EXPECT_EQ(card.Index(), (record.Month - 1) * 4 + record.MonthRank - 1);
            EXPECT_EQ(card, CardName::OfIndex(card.Index(), !marked));
            EXPECT_EQ(card.IndexIn(!marked), card.Index());
            EXPECT_EQ(card.IndexIn(marked), -1);
            EXPECT_EQ(Month(card), record.Month);
            EXPECT_EQ(CardValue(card), record.CardValue);
        }
    }
}

TEST(CardName, OtherTextsReadBackExactlyAndCompareByText) {
    const CardName odd("Jan_20.bmp");
    EXPECT_EQ(odd.Text(), "Jan_20.bmp");
    EXPECT_EQ(odd, CardName(std::string("Jan_") + "20.bmp"));
    EXPECT_NE(odd, CardName("jan_20.bmp"));
    EXPECT_NE(odd, CardName("Jan_20.bmpx"));
    EXPECT_FALSE(odd.IsDeckCard());
    EXPECT_EQ(odd.Index(), -1);
    EXPECT_EQ(Month(odd), NoMonth);
    EXPECT_EQ(CardValue(odd), 20);  // the number after "_" is read even without a month

    const CardName none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none, "");
    EXPECT_EQ(none, CardName(""));
    EXPECT_EQ(Month(none), NoMonth);
    EXPECT_EQ(CardValue(none), 0);

    CardName card;
    card = "red_back.bmp";
    EXPECT_FALSE(card.empty());
    card.clear();
    EXPECT_EQ(card, none);

    std::ostringstream out;
    out << CardName("mayo_10.bmp") << ' ' << odd;
    EXPECT_EQ(out.str(), "mayo_10.bmp Jan_20.bmp");
}

}  // namespace
}  // namespace vm

#include "model/cards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

// The deck as the rules list it: per month the card numbers of ranks 1 to 4.
const char* const RulesDeck =
    "jan 20 5 1 0  feb 10 5 1 0  mar 20 5 1 0  apr 10 5 1 0  may 10 5 1 0  jun 10 5 1 0  "
    "jul 10 5 1 0  aug 20 10 1 0  sep 10 5 1 0  oct 10 5 1 0  nov 20 10 1 0  dec 20 10 5 0";

TEST(CardTable, BothSetsHoldTheRulesDeckInTheCharacterOrderOfTheMarkedNames) {
    std::map<std::string, CardRecord> deck;  // by name: in character order
    std::istringstream rules(RulesDeck);
    std::string month;
    for (std::int16_t m = 1; rules >> month; ++m) {
        for (std::int16_t rank = 1, number = 0; rank <= 4 && rules >> number; ++rank) {
            const std::string name = month + "_" + std::to_string(number) + ".bmp";
            deck[name] = {CardName(name), m, static_cast<std::int16_t>(number == 1 ? 0 : number),
                          rank};
        }
    }
    CardTableType marked, plain;
    BuildCardTable(marked, true);
    BuildCardTable(plain, false);
    auto entry = deck.begin();
    for (int i = 1; i <= 48; ++i, ++entry) {
        const auto& [name, card] = *entry;
        const std::string plainName = name.substr(0, 3) + "o" + name.substr(3);
        SCOPED_TRACE(name);
        EXPECT_EQ(marked[i], card);
        EXPECT_EQ(plain[i],
                  (CardRecord{CardName(plainName), card.Month, card.CardValue, card.MonthRank}));
        // The helpers agree, by text and by card; a name of the other set has no rank.
        EXPECT_EQ(Month(plainName), card.Month);
        EXPECT_EQ(CardValue(name), card.CardValue);
        EXPECT_EQ(Month(CardName(name)), card.Month);
        EXPECT_EQ(CardValue(CardName(plainName)), card.CardValue);
        EXPECT_EQ(MonthRank(marked, name), card.MonthRank);
        EXPECT_EQ(MonthRank(plain, plainName), card.MonthRank);
        EXPECT_EQ(MonthRank(plain, name), 0);
        EXPECT_EQ(MonthRank(marked, plainName), 0);
    }
}

TEST(SlotSort, ByMonthThenValueStableWithEmptiesLast) {
    const std::pair<const char*, const char*> cases[] = {
        {"dec_0 dec_20 - nov_10 - mar_5 jan_1 dec_10 - aug_20",
         "jan_1 mar_5 aug_20 nov_10 dec_20 dec_10 dec_0"},
        // Equal keys keep their order, whichever comes first.
        {"- jan_1 feb_0 jan_0", "jan_1 jan_0 feb_0"},
    };
    for (const auto& [input, expected] : cases) {
        HandSlots hand;
        const Names cards = Split(input);
        std::copy(cards.begin(), cards.end(), hand.begin());
        SortSlots(hand);
        EXPECT_EQ(Short(hand), expected) << input;
    }
}

}  // namespace
}  // namespace vm::test

#include "model/cards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "model/game_state.h"
#include "model/random.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

struct DeckCard {
    std::string name;
    int month, value, rank;
};

// The deck as the rules list it: per month the card numbers of ranks 1 to 4.
std::vector<DeckCard> RulesDeck() {
    std::istringstream rules(
        "jan 20 5 1 0  feb 10 5 1 0  mar 20 5 1 0  apr 10 5 1 0  may 10 5 1 0  jun 10 5 1 0  "
        "jul 10 5 1 0  aug 20 10 1 0  sep 10 5 1 0  oct 10 5 1 0  nov 20 10 1 0  dec 20 10 5 0");
    std::vector<DeckCard> deck;
    std::string month;
    for (int m = 1; rules >> month; ++m) {
        for (int rank = 1, number = 0; rank <= 4 && rules >> number; ++rank)
            deck.push_back(
                {month + "_" + std::to_string(number) + ".bmp", m, number == 1 ? 0 : number, rank});
    }
    return deck;
}

std::string Plain(const std::string& marked) {
    return marked.substr(0, 3) + "o" + marked.substr(3);
}

TEST(CardTable, BothSetsHoldTheRulesDeckInTheCharacterOrderOfTheMarkedNames) {
    std::vector<DeckCard> deck = RulesDeck();
    std::sort(deck.begin(), deck.end(),
              [](const DeckCard& a, const DeckCard& b) { return a.name < b.name; });
    CardTableType marked;
    BuildCardTable(marked, true);
    CardTableType plain;
    BuildCardTable(plain, false);
    for (int i = 1; i <= 48; ++i) {
        const DeckCard& card = deck[static_cast<std::size_t>(i - 1)];
        SCOPED_TRACE(card.name);
        for (const auto& [record, name] :
             {std::pair{marked[i], card.name}, std::pair{plain[i], Plain(card.name)}}) {
            EXPECT_EQ(record.CardName, name);
            EXPECT_EQ(record.Month, card.month);
            EXPECT_EQ(record.CardValue, card.value);
            EXPECT_EQ(record.MonthRank, card.rank);
        }
        // The helpers agree with the records; a name of the other set has no rank.
        EXPECT_EQ(Month(card.name), card.month);
        EXPECT_EQ(CardValue(Plain(card.name)), card.value);
        EXPECT_EQ(MonthRank(marked, card.name), card.rank);
        EXPECT_EQ(MonthRank(plain, Plain(card.name)), card.rank);
        EXPECT_EQ(MonthRank(plain, card.name), 0);
        EXPECT_EQ(MonthRank(marked, Plain(card.name)), 0);
    }
}

TEST(CardHelpers, OddAndBadNamesGiveTheDefinedResults) {
    CardTableType table;
    BuildCardTable(table, true);
    struct Case {
        const char* name;
        int month, value, rank;
        const char* key;  // nullptr: not checked
    };
    const Case cases[] = {
        {"jan_20.bmp", 1, 20, 1, "B 0"},
        {"jan_1.bmp", 1, 0, 3, "B 20"},
        {"deco_10.bmp", 12, 10, 0, "M 10"},
        {"", 13, 0, 0, "N 20"},
        // Month compares with case; the number after "_" is still read.
        {"Jan_20.bmp", 13, 20, 0, "N 0"},
        // Only the first three characters decide the month.
        {"ja", 13, 0, 0, nullptr},
        // Without "_" the whole text before "." is read, and text reads as 0.
        {"jan20", 1, 0, 0, nullptr},
        {"jan_20", 1, 20, 0, nullptr},
        {"x_7.bmp", 13, 7, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.name + "'");
        EXPECT_EQ(Month(c.name), c.month);
        EXPECT_EQ(CardValue(c.name), c.value);
        EXPECT_EQ(MonthRank(table, c.name), c.rank);
        if (c.key) {
            EXPECT_EQ(CardSortKey(c.name), c.key);
        }
    }
}

HandSlots Row(const std::string& cards) {
    HandSlots slots;
    test::FillSlots(slots, test::Split(cards));
    return slots;
}

TEST(SlotSort, ByMonthThenValueStableWithEmptiesLast) {
    const std::pair<const char*, const char*> cases[] = {
        {"feb_5 - jan_0 jan_20", "jan_20 jan_0 feb_5"},
        {"dec_0 dec_20 - nov_10 - mar_5 jan_1 dec_10 - aug_20",
         "jan_1 mar_5 aug_20 nov_10 dec_20 dec_10 dec_0"},
        // Equal keys keep their order, whichever comes first.
        {"- jan_1 feb_0 jan_0", "jan_1 jan_0 feb_0"},
        // A name with no month sorts with the letter N, by its value, before the empty slots.
        {"- Jan_20 jan_0", "jan_0 Jan_20"},
    };
    for (const auto& [input, expected] : cases) {
        HandSlots hand = Row(input);
        SortSlots(hand);
        EXPECT_EQ(hand, Row(expected)) << input;
    }
}

// Removing a card from a sorted row, or adding one after its last card, leaves the row exactly
// as sorting it whole would, ties and names that are no cards included.
TEST(SlotSort, OneChangeToASortedRowEndsAsSortingItWould) {
    Random rng(99);
    CardTableType deck;
    BuildCardTable(deck, true);
    for (int trial = 0; trial < 2000; ++trial) {
        DeskSlots row;
        const int count = static_cast<int>(rng.Next() * 15);
        for (int slot = 1; slot <= count; ++slot) row[slot] = deck[static_cast<int>(rng.Next() * 48) + 1].CardName;
        if (trial % 50 == 0) row[1] = "Jan_20.bmp";
        SortSlots(row);

        DeskSlots removed = row;
        DeskSlots expected = row;
        const int slot = static_cast<int>(rng.Next() * count) + 1;
        if (count > 0) {
            removed[slot].clear();
            expected[slot].clear();
            CloseGap(removed, slot);
            SortSlots(expected);
            ASSERT_EQ(removed, expected) << trial;
        }

        DeskSlots added = row;
        added[count + 1] = deck[static_cast<int>(rng.Next() * 48) + 1].CardName;
        expected = added;
        SettleNewCard(added, count + 1);
        SortSlots(expected);
        ASSERT_EQ(added, expected) << trial;
    }
}

}  // namespace
}  // namespace vm

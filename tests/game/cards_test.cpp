#include "game/cards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "game/game_state.h"

namespace vm {
namespace {

struct DeckCard {
    std::string name;
    int month;
    int value;
    int rank;
};

// The deck as the rules list it: per month the card numbers of ranks 1 to 4.
std::vector<DeckCard> RulesDeck() {
    const std::array<const char*, 12> months = {"jan", "feb", "mar", "apr", "may", "jun",
                                                "jul", "aug", "sep", "oct", "nov", "dec"};
    const std::array<std::array<int, 4>, 12> numbers = {{{20, 5, 1, 0},
                                                         {10, 5, 1, 0},
                                                         {20, 5, 1, 0},
                                                         {10, 5, 1, 0},
                                                         {10, 5, 1, 0},
                                                         {10, 5, 1, 0},
                                                         {10, 5, 1, 0},
                                                         {20, 10, 1, 0},
                                                         {10, 5, 1, 0},
                                                         {10, 5, 1, 0},
                                                         {20, 10, 1, 0},
                                                         {20, 10, 5, 0}}};
    std::vector<DeckCard> deck;
    for (int m = 0; m < 12; ++m) {
        for (int r = 0; r < 4; ++r) {
            const int number = numbers[static_cast<std::size_t>(m)][static_cast<std::size_t>(r)];
            deck.push_back({std::string(months[static_cast<std::size_t>(m)]) + "_" +
                                std::to_string(number) + ".bmp",
                            m + 1, number == 1 ? 0 : number, r + 1});
        }
    }
    return deck;
}

std::string Plain(const std::string& marked) {
    return marked.substr(0, 3) + "o" + marked.substr(3);
}

TEST(CardHelpers, EveryCardOfBothSetsHasItsMonthValueAndRank) {
    CardTableType marked;
    BuildCardTable(marked, true);
    CardTableType plain;
    BuildCardTable(plain, false);
    for (const DeckCard& card : RulesDeck()) {
        SCOPED_TRACE(card.name);
        EXPECT_EQ(Month(card.name), card.month);
        EXPECT_EQ(CardValue(card.name), card.value);
        EXPECT_EQ(MonthRank(marked, card.name), card.rank);
        EXPECT_EQ(Month(Plain(card.name)), card.month);
        EXPECT_EQ(CardValue(Plain(card.name)), card.value);
        EXPECT_EQ(MonthRank(plain, Plain(card.name)), card.rank);
        // After a rebuild with the other set, a name of the old set is no card of the table.
        EXPECT_EQ(MonthRank(plain, card.name), 0);
        EXPECT_EQ(MonthRank(marked, Plain(card.name)), 0);
    }
}

TEST(CardHelpers, RanksOfThePlainCardsAndOfDecember) {
    CardTableType table;
    BuildCardTable(table, true);
    EXPECT_EQ(CardValue("nov_1.bmp"), 0);
    EXPECT_EQ(CardValue("nov_0.bmp"), 0);
    EXPECT_EQ(MonthRank(table, "nov_1.bmp"), 3);
    EXPECT_EQ(MonthRank(table, "nov_0.bmp"), 4);
    EXPECT_EQ(MonthRank(table, "dec_5.bmp"), 3);
    EXPECT_EQ(MonthRank(table, "dec_0.bmp"), 4);
    EXPECT_EQ(MonthRank(table, "aug_10.bmp"), 2);
    EXPECT_EQ(CardValue("apro_10.bmp"), 10);
    EXPECT_EQ(CardValue("jano_20.bmp"), 20);
}

TEST(CardHelpers, BadNamesGiveTheDefinedResultsWithoutFailing) {
    CardTableType table;
    BuildCardTable(table, true);

    EXPECT_EQ(Month(""), 13);
    EXPECT_EQ(CardValue(""), 0);
    EXPECT_EQ(MonthRank(table, ""), 0);
    EXPECT_EQ(CardSortKey(""), "N 20");

    // Month compares with case; the number after "_" is still read.
    EXPECT_EQ(Month("Jan_20.bmp"), 13);
    EXPECT_EQ(CardValue("Jan_20.bmp"), 20);
    EXPECT_EQ(MonthRank(table, "Jan_20.bmp"), 0);
    EXPECT_EQ(CardSortKey("Jan_20.bmp"), "N 0");

    // Only the first three characters decide the month.
    EXPECT_EQ(Month("ja"), 13);
    EXPECT_EQ(Month("j"), 13);
    EXPECT_EQ(Month("janx"), 1);
    EXPECT_EQ(Month("decimal"), 12);
    EXPECT_EQ(Month(" jan_20.bmp"), 13);

    // Without "_" the whole text before "." is read, and text reads as 0.
    EXPECT_EQ(CardValue("jan20"), 0);
    EXPECT_EQ(CardValue("jan.bmp"), 0);
    EXPECT_EQ(CardValue("jan_20"), 20);
    EXPECT_EQ(CardValue("jan_10bmp"), 10);
    EXPECT_EQ(CardValue("x_7.bmp"), 7);
    EXPECT_EQ(CardValue("_1.bmp"), 0);
    EXPECT_EQ(CardValue("_"), 0);
    EXPECT_EQ(CardValue("."), 0);
    EXPECT_EQ(MonthRank(table, "jan20"), 0);
    EXPECT_EQ(MonthRank(table, "jan_20"), 0);
}

TEST(CardHelpers, SortKeysAreMonthLetterBlankAndTwentyMinusValue) {
    EXPECT_EQ(CardSortKey("jan_20.bmp"), "B 0");
    EXPECT_EQ(CardSortKey("jan_5.bmp"), "B 15");
    EXPECT_EQ(CardSortKey("jan_1.bmp"), "B 20");
    EXPECT_EQ(CardSortKey("jan_0.bmp"), "B 20");
    EXPECT_EQ(CardSortKey("dec_10.bmp"), "M 10");
    EXPECT_EQ(CardSortKey("deco_10.bmp"), "M 10");
    EXPECT_EQ(CardSortKey("apr_10.bmp"), "E 10");
}

TEST(CardTable, InitialOrderIsTheCharacterOrderOfTheMarkedNames) {
    std::vector<std::string> expected;
    for (const DeckCard& card : RulesDeck())
        expected.push_back(card.name);
    std::sort(expected.begin(), expected.end());

    CardTableType table;
    BuildCardTable(table, true);
    for (int i = 1; i <= 48; ++i)
        EXPECT_EQ(table[i].CardName, expected[static_cast<std::size_t>(i - 1)]) << i;

    EXPECT_EQ(table[1].CardName, "apr_0.bmp");
    EXPECT_EQ(table[2].CardName, "apr_1.bmp");
    EXPECT_EQ(table[3].CardName, "apr_10.bmp");
    EXPECT_EQ(table[4].CardName, "apr_5.bmp");
    EXPECT_EQ(table[9].CardName, "dec_0.bmp");
    EXPECT_EQ(table[10].CardName, "dec_10.bmp");
    EXPECT_EQ(table[11].CardName, "dec_20.bmp");
    EXPECT_EQ(table[12].CardName, "dec_5.bmp");
    EXPECT_EQ(table[48].CardName, "sep_5.bmp");
}

TEST(CardTable, RecordsCarryTheRulesValuesAndThePlainSetRenamesOnly) {
    std::map<std::string, DeckCard> byName;
    for (const DeckCard& card : RulesDeck())
        byName[card.name] = card;

    CardTableType marked;
    BuildCardTable(marked, true);
    CardTableType plain;
    BuildCardTable(plain, false);
    int total = 0;
    std::map<int, int> countByValue;
    for (int i = 1; i <= 48; ++i) {
        const DeckCard& card = byName.at(marked[i].CardName);
        EXPECT_EQ(marked[i].Month, card.month) << card.name;
        EXPECT_EQ(marked[i].CardValue, card.value) << card.name;
        EXPECT_EQ(marked[i].MonthRank, card.rank) << card.name;
        EXPECT_EQ(plain[i].CardName, Plain(card.name));
        EXPECT_EQ(plain[i].Month, card.month);
        EXPECT_EQ(plain[i].CardValue, card.value);
        EXPECT_EQ(plain[i].MonthRank, card.rank);
        total += marked[i].CardValue;
        ++countByValue[marked[i].CardValue];
    }
    EXPECT_EQ(total, 250);
    EXPECT_EQ(countByValue[20], 5);
    EXPECT_EQ(countByValue[10], 10);
    EXPECT_EQ(countByValue[5], 10);
    EXPECT_EQ(countByValue[0], 23);
    EXPECT_EQ(plain[1].CardName, "apro_0.bmp");
    EXPECT_EQ(plain[48].CardName, "sepo_5.bmp");

    // A rebuild restores the initial order whatever the table held before.
    CardTableType shuffled = marked;
    std::swap(shuffled[1], shuffled[48]);
    BuildCardTable(shuffled, true);
    EXPECT_EQ(shuffled, marked);
}

HandSlots Row(std::vector<std::string> cards) {
    HandSlots slots;
    for (std::size_t i = 0; i < cards.size(); ++i)
        slots[static_cast<int>(i) + 1] = cards[i];
    return slots;
}

TEST(SlotSort, OrdersByMonthThenValueWithEmptiesLast) {
    HandSlots hand = Row({"feb_5.bmp", "", "jan_0.bmp", "jan_20.bmp"});
    SortSlots(hand);
    EXPECT_EQ(hand, Row({"jan_20.bmp", "jan_0.bmp", "feb_5.bmp"}));

    HandSlots full = Row({"dec_0.bmp", "dec_20.bmp", "", "nov_10.bmp", "", "mar_5.bmp", "jan_1.bmp",
                          "dec_10.bmp", "", "aug_20.bmp"});
    SortSlots(full);
    EXPECT_EQ(full, Row({"jan_1.bmp", "mar_5.bmp", "aug_20.bmp", "nov_10.bmp", "dec_20.bmp",
                         "dec_10.bmp", "dec_0.bmp"}));
}

TEST(SlotSort, EqualKeysKeepTheirOrder) {
    HandSlots oneFirst = Row({"", "jan_1.bmp", "feb_0.bmp", "jan_0.bmp"});
    SortSlots(oneFirst);
    EXPECT_EQ(oneFirst, Row({"jan_1.bmp", "jan_0.bmp", "feb_0.bmp"}));

    HandSlots zeroFirst = Row({"jan_0.bmp", "feb_0.bmp", "jan_1.bmp"});
    SortSlots(zeroFirst);
    EXPECT_EQ(zeroFirst, Row({"jan_0.bmp", "jan_1.bmp", "feb_0.bmp"}));
}

TEST(SlotSort, PlainSetAndOddNamesSortByTheSameKeys) {
    DeskSlots desk;
    desk[1] = "febo_5.bmp";
    desk[3] = "jano_0.bmp";
    desk[16] = "jano_20.bmp";
    SortSlots(desk);
    EXPECT_EQ(desk[1], "jano_20.bmp");
    EXPECT_EQ(desk[2], "jano_0.bmp");
    EXPECT_EQ(desk[3], "febo_5.bmp");
    for (int i = 4; i <= 16; ++i)
        EXPECT_EQ(desk[i], "") << i;

    // A name with no month sorts with the month letter N: by its value before the empty slots.
    HandSlots odd = Row({"", "Jan_20.bmp", "jan_0.bmp"});
    SortSlots(odd);
    EXPECT_EQ(odd, Row({"jan_0.bmp", "Jan_20.bmp"}));
}

TEST(GameState, CountingHelpers) {
    Game game;
    BuildCardTable(game.CardTable, true);
    game.CPUHand = Row({"may_10.bmp", "may_0.bmp", "jul_5.bmp"});
    game.Desk[1] = "mar_20.bmp";
    game.Desk[2] = "mar_1.bmp";
    game.Desk[3] = "apr_5.bmp";
    game.CapturedPiles[HumanSide][5][2] = "may_5.bmp";
    game.CapturedPiles[HumanSide][5][3] = "may_1.bmp";
    EXPECT_EQ(CountHandMonth(game, 5, ComputerSide), 2);
    EXPECT_EQ(CountHandMonth(game, 5, HumanSide), 0);
    EXPECT_EQ(CountDeskMonth(game, 3), 2);
    EXPECT_EQ(CountDeskMonth(game, 13), 0);
    EXPECT_EQ(CountCapturedMonth(game, 5, HumanSide), 2);
    EXPECT_EQ(CountCapturedMonth(game, 5, ComputerSide), 0);
    EXPECT_TRUE(DeskMonthAtLeast(game, 2));
    EXPECT_FALSE(DeskMonthAtLeast(game, 3));
    game.Desk[4] = "mar_5.bmp";
    EXPECT_TRUE(DeskMonthAtLeast(game, 3));
}

}  // namespace
}  // namespace vm

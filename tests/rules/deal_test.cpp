#include "rules/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "play/flow.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Cards;
using test::Names;
using test::Split;

const std::string Four = "4 Cards from same suit dealt, re-deal";
const std::string Three = "3 Cards from same suit dealt, re-deal";

int MostOfOneMonth(const DeskSlots& desk) {
    std::array<int, NoMonth + 1> count{};
    for (const CardName& card : desk) ++count[static_cast<std::size_t>(Month(card))];
    return *std::max_element(count.begin(), count.begin() + NoMonth);
}

// The deal of one seed, pinned: a change to the generator, the shuffle, the re-deal checks or
// the deal shows here. Its first deal had four of a month on the desk; the human moves first.
TEST(DealNewGame, OneSeedDealsExactlyThisDeckAndShowsIt) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        const test::Dealt d(500, {.DebugMode = debug, .CardBackFile = CardName("red_back.bmp")});
        const Session& s = d.s;
        const Game& g = s.game;
        EXPECT_EQ(d.host.Calls, Names{"Message " + Four});
        Names deck;
        for (const CardRecord& record : g.CardTable) deck.push_back(record.CardName);
        EXPECT_EQ(deck, Split("may_5 nov_0 mar_5 sep_10 sep_5 jul_5 oct_1 jul_1 "
                              "aug_10 jun_0 aug_20 may_10 aug_0 jun_10 jul_0 jan_1 "
                              "feb_0 may_0 jan_5 nov_20 feb_1 jan_0 oct_5 sep_1 "
                              "jul_10 may_1 nov_10 mar_20 dec_20 aug_1 dec_10 jun_1 "
                              "apr_10 dec_5 feb_10 jun_5 nov_1 jan_20 apr_0 mar_0 "
                              "dec_0 apr_1 feb_5 oct_0 apr_5 mar_1 sep_0 oct_10"));
        EXPECT_EQ(g.TurnSide, HumanSide);
        // The human to move sees the deal, the computer's hand face down unless debugging.
        EXPECT_TRUE(g.PlayerMayAct && g.GameInProgress && s.view.Menu.mnuAbort.Enabled);
        EXPECT_EQ(s.view.lblCards[1] + s.view.lblCards[2], " 10 10");
        for (int slot = 1; slot <= 16; ++slot) {
            EXPECT_EQ(s.view.picDesk[slot], (CardPlace{g.Desk[slot], slot <= 8, false})) << slot;
            if (slot > 10) continue;
            EXPECT_EQ(s.view.picHand[slot], (CardPlace{g.PlayerHand[slot], true, true}));
            const CardName back = debug ? g.CPUHand[slot] : CardName("red_back.bmp");
            EXPECT_EQ(s.view.picComp[slot], (CardPlace{back, true, false}));
        }
    }
}

// A rejected deal is announced with the text of the check that found it: four of a month found
// by the three-card check, after an earlier re-deal, is announced as three. The accepted deal
// gives the first mover entries 1, 3, ..., 19 of the deck, the other side 2, 4, ..., 20 and the
// desk 21 to 28.
TEST(DealNewGame, ReDealsAreAnnouncedWithTheTextOfTheCheckThatFoundThem) {
    struct Case {
        std::uint64_t seed;
        std::vector<int> mostOfAMonth;  // on the desk of each rejected deal
        Names messages;
    };
    const Case cases[] = {
        {14, {}, {}},
        {23, {3}, {Three}},
        {500, {4}, {Four}},
        {1699, {4, 4}, {Four, Four}},
        {5129, {4, 3}, {Four, Three}},
        {228, {3, 4}, {Three, Three}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        const test::Dealt d(c.seed);
        const test::ScriptedHost& host = d.host;
        EXPECT_EQ(host.Messages, c.messages);
        for (std::size_t i = 0; i < c.mostOfAMonth.size(); ++i)
            EXPECT_EQ(MostOfOneMonth(host.At(static_cast<int>(i)).game.Desk), c.mostOfAMonth[i]);
        // When the computer moves first, the deal stands as dealt until its first pause.
        const int pause = host.Find("Pause");
        const Game& dealt = pause < 0 ? d.s.game : host.At(pause).game;
        EXPECT_TRUE(IsConsistent(dealt));
        EXPECT_LT(MostOfOneMonth(dealt.Desk), 3);
        for (int k = 1; k <= 28; ++k) {
            const Side side = k % 2 == 1 ? dealt.TurnSide : OtherSide(dealt.TurnSide);
            const Names row = k > 20 ? Cards(dealt.Desk) : Cards(Hand(dealt, side));
            EXPECT_EQ(std::count(row.begin(), row.end(), dealt.CardTable[k].CardName.Text()), 1)
                << k;
        }
    }
}

}  // namespace
}  // namespace vm

#include "rules/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "play/flow.h"
#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

const std::string Four = "4 Cards from same suit dealt, re-deal";
const std::string Three = "3 Cards from same suit dealt, re-deal";

int MostOfOneMonth(const DeskSlots& desk) {
    std::array<int, NoMonth + 1> count{};
    for (const CardName& card : desk) ++count[static_cast<std::size_t>(Month(card))];
    return *std::max_element(count.begin(), count.begin() + NoMonth);
}

// The deal of one seed, pinned: a change to the generator, the shuffle, the re-deal checks or
// the deal shows here. Its first deal had four of a month on the desk; the human moves first,
// so the human's hand holds entries 1, 3, ..., 19 of the deck, the computer's 2, 4, ..., 20 and
// the desk 21 to 28, each sorted.
TEST(DealNewGame, OneSeedDealsExactlyThisDeckAndShowsIt) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        const Dealt d(500, {.DebugMode = debug, .CardBackFile = CardName("red_back.bmp")});
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
        // The human to move sees the deal, the computer's hand face down unless debugging.
        EXPECT_TRUE(g.PlayerMayAct && g.GameInProgress && s.view.Menu.mnuAbort.Enabled);
        const std::string comp =
            debug ? "jan_1 may_10 may_0 jun_10 jun_0 jul_5 jul_1 sep_10 nov_20 nov_0"
                  : "red_back red_back red_back red_back red_back "
                    "red_back red_back red_back red_back red_back";
        EXPECT_EQ(
            Shown(s.view) + Labels(s.view),
            "comp " + comp +
                " | desk jan_0 feb_1 mar_20 may_1 jul_10 sep_1 oct_5 nov_10"
                " | hand jan_5+ feb_0+ mar_5+ may_5+ jul_0+ aug_20+ aug_10+ aug_0+ sep_5+ oct_1+"
                " | pile - - | taken 0/ 0/ 10/ 10");
    }
}

// A rejected deal is announced with the text of the check that found it: here four of a month,
// found by the three-card check after an earlier re-deal of three, is announced as three. Which
// deals each seed rejects, and with which text, the simulator's pinned trace holds for a
// thousand games.
TEST(DealNewGame, AReDealIsAnnouncedWithTheTextOfTheCheckThatFoundIt) {
    const Dealt d(228);
    EXPECT_EQ(d.host.Messages, (Names{Three, Three}));
    EXPECT_EQ(MostOfOneMonth(d.host.At(0).game.Desk), 3);
    EXPECT_EQ(MostOfOneMonth(d.host.At(1).game.Desk), 4);
    // The computer moves first: the deal stands as dealt until its first pause.
    const Game& dealt = d.host.At("Pause").game;
    EXPECT_TRUE(IsConsistent(dealt));
    EXPECT_LT(MostOfOneMonth(dealt.Desk), 3);
}

}  // namespace
}  // namespace vm::test

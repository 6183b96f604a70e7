#include "model/game_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Split;

// A game in the middle of play with cards in every kind of place, the captured ones spread
// over the whole grid (January, August and December).
Game MidGame() {
    test::ScriptedHost host;
    Session s{host};
    test::PrepareSession(s, host, 0);
    test::SetUpTable(s, {.player = Split("jan_20 feb_5 mar_1"),
                         .cpu = Split("apr_10 may_0"),
                         .desk = Split("jun_5 jul_10 jul_0"),
                         .pile = Split("sep_10 sep_5"),
                         .humanGrid = Split("aug_20 jan_1"),
                         .cpuGrid = Split("dec_20 oct_5"),
                         .rest = test::Rest::ComputerGrid});
    return s.game;
}

void Put(CardName& place, const char* name) { place = name; }

TEST(IsConsistent, EveryMisplacedLostOrDoubledCardIsFound) {
    ASSERT_TRUE(IsConsistent(MidGame()));
    const std::pair<const char*, std::function<void(Game&)>> faults[] = {
        {"a hand card also on the desk",
         [](Game& g) {
             Put(g.Desk[4], "jan_20.bmp");
             ++g.DeskNextSlot;
         }},
        {"a captured card in another cell",
         [](Game& g) { std::swap(g.CapturedPiles[1][8][1], g.CapturedPiles[1][8][2]); }},
        {"a card in both grids", [](Game& g) { Put(g.CapturedPiles[2][1][3], "jan_1.bmp"); }},
        {"a pile card also in a hand",
         [](Game& g) {
             Put(g.CPUHand[3], "sep_10.bmp");
             ++g.HandCount[ComputerSide];
         }},
        {"a lost card", [](Game& g) { g.CapturedPiles[2][12][1].clear(); }},
        {"a lost hand card",
         [](Game& g) {
             g.PlayerHand[3].clear();
             --g.HandCount[HumanSide];
         }},
        {"a hand out of order", [](Game& g) { std::swap(g.PlayerHand[1], g.PlayerHand[2]); }},
        {"a gap in the desk", [](Game& g) { std::swap(g.Desk[3], g.Desk[4]); }},
        {"a hand count one too many", [](Game& g) { ++g.HandCount[HumanSide]; }},
        {"a desk count one too few", [](Game& g) { --g.DeskNextSlot; }},
        {"a card of the other picture set", [](Game& g) { Put(g.PlayerHand[1], "jano_20.bmp"); }},
        {"a pile entry twice", [](Game& g) { g.CardTable[48] = g.CardTable[47]; }},
        {"the pile before the deck", [](Game& g) { g.PilePosition = 0; }},
        {"the pile past the deck", [](Game& g) { g.PilePosition = 50; }},
    };
    for (const auto& [what, spoil] : faults) {
        Game game = MidGame();
        spoil(game);
        EXPECT_FALSE(IsConsistent(game)) << what;
    }
}

}  // namespace
}  // namespace vm

#include "model/game_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

// A game in the middle of play with cards in every kind of place, the captured ones spread
// over the whole grid (January, August and December).
Game MidGame() {
    return OnTable({.player = Split("jan_20 feb_5 mar_1"),
                    .cpu = Split("apr_10 may_0"),
                    .desk = Split("jun_5 jul_10 jul_0"),
                    .pile = Split("sep_10 sep_5"),
                    .humanGrid = Split("aug_20 jan_1"),
                    .cpuGrid = Split("dec_20 oct_5"),
                    .rest = Rest::ComputerGrid})
        .s.game;
}

TEST(IsConsistent, EveryMisplacedLostOrDoubledCardIsFound) {
    ASSERT_TRUE(IsConsistent(MidGame()));
    // Each spoils the game in a way that no other row does.
    const std::pair<const char*, std::function<void(Game&)>> faults[] = {
        {"two captured cards in each other's cells",
         [](Game& g) { std::swap(g.CapturedPiles[2][12][1], g.CapturedPiles[2][12][2]); }},
        {"a card in both grids", [](Game& g) { g.CapturedPiles[2][1][3] = "jan_1.bmp"; }},
        {"a lost card", [](Game& g) { g.CapturedPiles[2][12][1].clear(); }},
        {"a hand out of order", [](Game& g) { std::swap(g.PlayerHand[1], g.PlayerHand[2]); }},
        {"a card past a hand's count", [](Game& g) { g.PlayerHand[4] = "sep_10.bmp"; }},
        {"a hand count one too many", [](Game& g) { ++g.HandCount[HumanSide]; }},
        {"a hand count below nothing", [](Game& g) { g.HandCount[ComputerSide] = -1; }},
        {"a card of the other picture set", [](Game& g) { g.PlayerHand[1] = "jano_20.bmp"; }},
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
}  // namespace vm::test

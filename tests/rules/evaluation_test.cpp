#include "rules/evaluation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

using AddBonusTest = GridTest;

TEST_F(AddBonusTest, TheBonusOfACandidateFollowsTheSetsAndBothGrids) {
    struct Case {
        const char *human, *computer, *card;
        int own, open, block;
    };
    const Case cases[] = {
        {"", "", "jan_20", 0, 13, 0},  // lights open
        {"", "", "feb_0", 0, 0, 0},    // no set
        {"", "", "feb_5", 0, 8, 0},    // red ribbons open
        {"", "", "oct_5", 0, 5, 0},    // blue and October open: the later set
        {"nov_20", "", "aug_20", 0, 0, 50},
        {"jan_5 may_5", "feb_5 may_1", "mar_5", 0, 0, 0},    // red ribbons broken
        {"jan_5 may_5", "feb_5 may_1", "may_10", 0, 0, 20},  // May is never broken
        {"nov_20", "jan_20", "aug_20", 0, 0, 0},             // lights broken
        {"", "may_5 may_1 may_0", "may_10", 20, 0, 0},
        {"", "may_5 may_1", "may_10", 0, 5, 0},                     // three of four is no meld yet
        {"", "jun_5 sep_5 oct_10 oct_1 oct_0", "oct_5", 20, 0, 0},  // October, the later
        {"", "jan_20 mar_20 aug_20 nov_20 dec_10 dec_5 dec_0", "dec_20", 50, 0, 0},
        {"dec_0", "", "dec_20", 0, 13, 0},  // lights open is tried before the December block
        {"jan_20", "", "dec_20", 0, 5, 0},  // December open, lights blocked
        {"jun_5 oct_0", "", "oct_5", 0, 0, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.card) + " against " + c.human + " / " + c.computer);
        ClearCapturedPiles(s.game);
        Give(HumanSide, c.human);
        Give(ComputerSide, c.computer);
        const auto grids = s.game.CapturedPiles;
        const CardName card(Split(c.card)[0]);
        Candidate candidate;
        candidate.HandCard = card;
        candidate.Score = CardValue(card);
        AddBonus(s.game, candidate);
        EXPECT_EQ(std::tuple(candidate.OwnMeldBonus, candidate.OpenSetBonus, candidate.BlockBonus),
                  std::tuple(c.own, c.open, c.block));
        EXPECT_EQ(candidate.Score, CardValue(card) + c.own + c.open + c.block);
        EXPECT_EQ(s.game.CapturedPiles, grids);
    }
}

}  // namespace
}  // namespace vm::test

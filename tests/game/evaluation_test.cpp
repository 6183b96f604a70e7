#include "game/evaluation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace vm {
namespace {

class EvaluationTest : public ::testing::Test {
  protected:
    void SetUp() override { BuildCardTable(game.CardTable, true); }
    void Give(int side, std::initializer_list<const char*> cards) {
        for (const char* card : cards) {
            game.CapturedPiles[side][Month(card)][MonthRank(game.CardTable, card)] = card;
        }
    }
    // A candidate built as the computer's discard builds one: the card's value, then the bonus.
    Candidate Weigh(const std::string& card) {
        Candidate candidate;
        candidate.HandCard = card;
        candidate.Score = CardValue(card);
        AddBonus(game, candidate);
        return candidate;
    }

    Game game;
};

TEST_F(EvaluationTest, NothingCapturedGivesTheOpenSetBonusOnly) {
    EXPECT_EQ(OpenSetBonus(game, "jan_20.bmp"), 13);
    const Candidate light = Weigh("jan_20.bmp");
    EXPECT_EQ(light.Score, 33);
    EXPECT_EQ(light.OpenSetBonus, 13);
    EXPECT_EQ(light.OwnMeldBonus, 0);
    EXPECT_EQ(light.BlockBonus, 0);

    const Candidate plain = Weigh("feb_0.bmp");
    EXPECT_EQ(plain.Score, 0);
    EXPECT_EQ(plain.OpenSetBonus + plain.OwnMeldBonus + plain.BlockBonus, 0);

    EXPECT_EQ(Weigh("feb_5.bmp").OpenSetBonus, 8);
    EXPECT_EQ(Weigh("may_0.bmp").OpenSetBonus, 5);
    // Of two open sets the later one in table order gives the bonus: October after blue.
    EXPECT_EQ(Weigh("oct_5.bmp").OpenSetBonus, 5);
    EXPECT_EQ(Weigh("dec_20.bmp").OpenSetBonus, 13);
    // Cards of no set: the 10 of February, July's ribbon, August's 10.
    EXPECT_EQ(Weigh("feb_10.bmp").Score, 10);
    EXPECT_EQ(Weigh("jul_5.bmp").Score, 5);
    EXPECT_EQ(Weigh("aug_10.bmp").Score, 10);
}

TEST_F(EvaluationTest, AHumanLightMakesTheBlockBonus) {
    Give(HumanSide, {"nov_20.bmp"});
    EXPECT_EQ(OwnMeldBonus(game, "aug_20.bmp"), 0);
    EXPECT_EQ(OpenSetBonus(game, "aug_20.bmp"), 0);
    EXPECT_EQ(BlockBonus(game, "aug_20.bmp"), 50);
    const Candidate c = Weigh("aug_20.bmp");
    EXPECT_EQ(c.Score, 70);
    EXPECT_EQ(c.BlockBonus, 50);
    EXPECT_EQ(c.OpenSetBonus, 0);
}

TEST_F(EvaluationTest, ABrokenSetGivesNoBonusButMonthSetsAreNeverBroken) {
    Give(HumanSide, {"jan_5.bmp", "may_5.bmp"});
    Give(ComputerSide, {"feb_5.bmp", "may_1.bmp"});
    EXPECT_TRUE(MeldSetBroken(game, "mar_5.bmp"));
    const Candidate ribbon = Weigh("mar_5.bmp");
    EXPECT_EQ(ribbon.Score, 5);
    EXPECT_EQ(ribbon.OwnMeldBonus + ribbon.OpenSetBonus + ribbon.BlockBonus, 0);

    EXPECT_FALSE(MeldSetBroken(game, "may_10.bmp"));
    const Candidate may = Weigh("may_10.bmp");
    EXPECT_EQ(may.BlockBonus, 20);
    EXPECT_EQ(may.Score, 30);

    // Lights broken the same way.
    Give(HumanSide, {"nov_20.bmp"});
    Give(ComputerSide, {"jan_20.bmp"});
    EXPECT_TRUE(MeldSetBroken(game, "aug_20.bmp"));
    EXPECT_EQ(Weigh("aug_20.bmp").Score, 20);
    // A card of no set is never broken.
    EXPECT_FALSE(MeldSetBroken(game, "feb_0.bmp"));
}

TEST_F(EvaluationTest, OwnMeldBonusCompletesTheComputersMeldAndLeavesTheGridAlone) {
    Give(ComputerSide, {"may_5.bmp", "may_1.bmp", "may_0.bmp"});
    const CapturedGrid before = game.CapturedPiles[ComputerSide];
    const CapturedGrid humanBefore = game.CapturedPiles[HumanSide];
    EXPECT_EQ(OwnMeldBonus(game, "may_10.bmp"), 20);
    const Candidate c = Weigh("may_10.bmp");
    EXPECT_EQ(c.OwnMeldBonus, 20);
    EXPECT_EQ(c.Score, 30);
    EXPECT_EQ(game.CapturedPiles[ComputerSide], before);
    EXPECT_EQ(game.CapturedPiles[HumanSide], humanBefore);
    // Three of four is not yet a meld: the May card gets the open-set bonus instead.
    Game other;
    BuildCardTable(other.CardTable, true);
    other.CapturedPiles[ComputerSide][5][2] = "may_5.bmp";
    EXPECT_EQ(OwnMeldBonus(other, "may_10.bmp"), 0);
}

TEST_F(EvaluationTest, OwnMeldBonusOfACardAlreadyInTheGridRestoresIt) {
    Give(ComputerSide, {"may_10.bmp", "may_5.bmp", "may_1.bmp", "may_0.bmp"});
    const CapturedGrid before = game.CapturedPiles[ComputerSide];
    EXPECT_EQ(OwnMeldBonus(game, "may_10.bmp"), 20);
    EXPECT_EQ(game.CapturedPiles[ComputerSide], before);
    // Names the table does not know have no cell: no bonus and nothing written.
    EXPECT_EQ(OwnMeldBonus(game, "Jan_20.bmp"), 0);
    EXPECT_EQ(OwnMeldBonus(game, "mayo_10.bmp"), 0);
    EXPECT_EQ(OwnMeldBonus(game, ""), 0);
    EXPECT_EQ(game.CapturedPiles[ComputerSide], before);
}

TEST_F(EvaluationTest, OfTwoOwnMeldsTheLaterOneCounts) {
    Give(ComputerSide, {"jun_5.bmp", "sep_5.bmp", "oct_10.bmp", "oct_1.bmp", "oct_0.bmp"});
    EXPECT_EQ(OwnMeldBonus(game, "oct_5.bmp"), 20);
    EXPECT_EQ(Weigh("oct_5.bmp").OwnMeldBonus, 20);

    Give(ComputerSide, {"jan_20.bmp", "mar_20.bmp", "aug_20.bmp", "nov_20.bmp"});
    EXPECT_EQ(OwnMeldBonus(game, "dec_20.bmp"), 50);
    Give(ComputerSide, {"dec_10.bmp", "dec_5.bmp", "dec_0.bmp"});
    EXPECT_EQ(OwnMeldBonus(game, "dec_20.bmp"), 50);
}

TEST_F(EvaluationTest, OpenSetIsTriedBeforeBlock) {
    // The human holds a December card but no light: lights are open, so 13, not a block.
    Give(HumanSide, {"dec_0.bmp"});
    const Candidate c = Weigh("dec_20.bmp");
    EXPECT_EQ(c.OpenSetBonus, 13);
    EXPECT_EQ(c.BlockBonus, 0);
    EXPECT_EQ(c.Score, 33);
    EXPECT_EQ(BlockBonus(game, "dec_20.bmp"), 20);
}

TEST_F(EvaluationTest, OpenSetOfTheMonthWhenTheHumanHoldsALight) {
    Give(HumanSide, {"jan_20.bmp"});
    // December open (5), lights not: 5 from the open-set rule.
    EXPECT_EQ(Weigh("dec_20.bmp").OpenSetBonus, 5);
    EXPECT_EQ(BlockBonus(game, "dec_20.bmp"), 50);
}

TEST_F(EvaluationTest, BlockOfTwoSetsTakesTheLaterOne) {
    Give(HumanSide, {"jun_5.bmp", "oct_0.bmp"});
    const Candidate c = Weigh("oct_5.bmp");
    EXPECT_EQ(c.OpenSetBonus, 0);
    EXPECT_EQ(c.BlockBonus, 20);
    EXPECT_EQ(c.Score, 25);
}

TEST_F(EvaluationTest, ClearCandidatesEmptiesTheFirstTenEntriesOnly) {
    for (int i = 1; i <= 30; ++i) {
        game.CandidateTable[i] = Candidate{"jan_20.bmp", 1, "jan_1.bmp", 2, 33, 0, 13, 0};
    }
    ClearCandidates(game);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(game.CandidateTable[i], Candidate{}) << i;
    EXPECT_EQ(game.CandidateTable[11].Score, 33);
    EXPECT_EQ(game.CandidateTable[30].HandCard, "jan_20.bmp");
}

}  // namespace
}  // namespace vm

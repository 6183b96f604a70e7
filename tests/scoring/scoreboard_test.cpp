#include "scoring/scoreboard.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace vm {
namespace {

class ScoreboardTest : public ::testing::Test {
  protected:
    void SetUp() override { BuildCardTable(game.CardTable, true); }
    void Give(int side, std::initializer_list<const char*> cards) {
        for (const char* card : cards) {
            game.CapturedPiles[side][Month(card)][MonthRank(game.CardTable, card)] = card;
        }
    }

    Game game;
};

TEST_F(ScoreboardTest, NoMeldsAWinnerAndALoser) {
    // 85 card points against 60; the plain cards count nowhere.
    Give(HumanSide, {"jan_20.bmp", "mar_20.bmp", "aug_20.bmp", "feb_10.bmp", "apr_10.bmp",
                     "may_5.bmp", "jan_0.bmp", "feb_1.bmp"});
    Give(ComputerSide, {"nov_20.bmp", "dec_20.bmp", "jun_10.bmp", "jul_10.bmp", "sep_0.bmp"});
    const ScoreboardView view = BuildScoreboard(game);
    EXPECT_EQ(view.Player.ScoreLabel, "Score Cards total =  85");
    EXPECT_EQ(view.CPU.ScoreLabel, "Score Cards total =  60");
    EXPECT_EQ(view.Player.MeldScoreLabel, "Meld Score total =  0");
    EXPECT_EQ(view.CPU.MeldScoreLabel, "Meld Score total =  0");
    EXPECT_EQ(view.Player.TotalLabel, "Winner  85");
    EXPECT_EQ(view.CPU.TotalLabel, " 60 Loser");
    EXPECT_EQ(view.GameResult, 1);
    EXPECT_EQ(view.Player.GrandTotal, 85);
    EXPECT_EQ(view.CPU.GrandTotal, 60);
    // Month order, within a month most valuable first; six places, the rest hidden.
    const char* expected[] = {"jan_20.bmp", "feb_10.bmp", "mar_20.bmp",
                              "apr_10.bmp", "may_5.bmp",  "aug_20.bmp"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(view.Player.ScoringCards[i], expected[i - 1]) << i;
    for (int i = 7; i <= 24; ++i)
        EXPECT_EQ(view.Player.ScoringCards[i], "") << i;
    EXPECT_EQ(view.CPU.ScoringCards[1], "jun_10.bmp");
    EXPECT_EQ(view.CPU.ScoringCards[4], "dec_20.bmp");
    EXPECT_EQ(view.CPU.ScoringCards[5], "");
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(view.Player.MeldTitles[row], "");
        EXPECT_EQ(view.CPU.MeldTitles[row], "");
    }
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(view.Player.MeldPictures[i], "") << i;
}

TEST_F(ScoreboardTest, TheComputerWinningSwapsTheWords) {
    Give(HumanSide, {"jun_10.bmp"});
    Give(ComputerSide, {"nov_20.bmp"});
    const ScoreboardView view = BuildScoreboard(game);
    EXPECT_EQ(view.Player.TotalLabel, "Loser  10");
    EXPECT_EQ(view.CPU.TotalLabel, " 20 Winner");
    EXPECT_EQ(view.GameResult, 2);
}

TEST_F(ScoreboardTest, EqualTotalsAreADraw) {
    Give(HumanSide, {"jun_10.bmp", "jan_5.bmp", "sep_5.bmp"});
    Give(ComputerSide, {"nov_20.bmp", "jul_0.bmp"});
    const ScoreboardView view = BuildScoreboard(game);
    EXPECT_EQ(view.Player.TotalLabel, "Draw  20");
    EXPECT_EQ(view.CPU.TotalLabel, " 20 Draw");
    EXPECT_EQ(view.GameResult, 3);

    const ScoreboardView empty = BuildScoreboard(Game{});
    EXPECT_EQ(empty.Player.TotalLabel, "Draw  0");
    EXPECT_EQ(empty.CPU.TotalLabel, " 0 Draw");
    EXPECT_EQ(empty.GameResult, 3);
}

TEST_F(ScoreboardTest, ScoredMeldsFillTheRowsInTableOrder) {
    Give(HumanSide, {"jan_20.bmp", "mar_20.bmp", "aug_20.bmp", "nov_20.bmp", "dec_20.bmp",
                     "dec_10.bmp", "dec_5.bmp", "dec_0.bmp"});
    game.MeldFlags[1][6] = 1;
    game.MeldFlags[1][5] = 1;
    const ScoreboardView view = BuildScoreboard(game);
    EXPECT_EQ(view.Player.MeldTitles[1], " Kiri Complete ");
    EXPECT_EQ(view.Player.MeldTitles[2], " Lights ");
    EXPECT_EQ(view.Player.MeldTitles[3], "");
    const char* kiri[] = {"dec_20.bmp", "dec_10.bmp", "dec_5.bmp", "dec_0.bmp"};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(view.Player.MeldPictures[i], kiri[i - 1]) << i;
    EXPECT_EQ(view.Player.MeldPictures[5], "");
    const char* lights[] = {"jan_20.bmp", "mar_20.bmp", "aug_20.bmp", "nov_20.bmp", "dec_20.bmp"};
    for (int i = 6; i <= 10; ++i)
        EXPECT_EQ(view.Player.MeldPictures[i], lights[i - 6]) << i;
    for (int i = 11; i <= 30; ++i)
        EXPECT_EQ(view.Player.MeldPictures[i], "") << i;
    EXPECT_EQ(view.Player.MeldScoreLabel, "Meld Score total =  70");
    EXPECT_EQ(view.Player.ScoreLabel, "Score Cards total =  115");
    EXPECT_EQ(view.Player.TotalLabel, "Winner  185");
    EXPECT_EQ(view.CPU.TotalLabel, " 0 Loser");
}

TEST_F(ScoreboardTest, EveryTitleAndTheComputersMelds) {
    Give(ComputerSide, {"jan_5.bmp", "feb_5.bmp", "mar_5.bmp", "jun_5.bmp", "sep_5.bmp",
                        "oct_5.bmp", "may_10.bmp", "may_5.bmp", "may_1.bmp", "may_0.bmp",
                        "oct_10.bmp", "oct_1.bmp", "oct_0.bmp"});
    for (int meld = 1; meld <= 4; ++meld)
        game.MeldFlags[2][meld] = 1;
    const ScoreboardView view = BuildScoreboard(game);
    EXPECT_EQ(view.CPU.MeldTitles[1], " Akai Tan ");
    EXPECT_EQ(view.CPU.MeldTitles[2], " Aoi Tan ");
    EXPECT_EQ(view.CPU.MeldTitles[3], " Shoubu Complete ");
    EXPECT_EQ(view.CPU.MeldTitles[4], " Momiji Complete ");
    EXPECT_EQ(view.CPU.MeldPictures[1], "jan_5.bmp");
    EXPECT_EQ(view.CPU.MeldPictures[4], "");
    EXPECT_EQ(view.CPU.MeldPictures[6], "jun_5.bmp");
    EXPECT_EQ(view.CPU.MeldPictures[11], "may_10.bmp");
    EXPECT_EQ(view.CPU.MeldPictures[16], "oct_10.bmp");
    EXPECT_EQ(view.CPU.MeldPictures[17], "oct_5.bmp");
    EXPECT_EQ(view.CPU.MeldScoreLabel, "Meld Score total =  100");
    EXPECT_EQ(view.CPU.GrandTotal, 30 + 15 + 10 + 100);
    EXPECT_EQ(view.Player.MeldTitles[1], "");
}

TEST_F(ScoreboardTest, AllTwentyFiveScoringCardsOfOneSide) {
    for (const CardRecord& record : game.CardTable) {
        game.CapturedPiles[1][record.Month][record.MonthRank] = record.CardName;
    }
    const ScoreboardView view = BuildScoreboard(game);
    EXPECT_EQ(view.Player.CardTotal, 250);
    EXPECT_EQ(view.Player.ScoringCards[1], "jan_20.bmp");
    EXPECT_NE(view.Player.ScoringCards[24], "");
}

}  // namespace
}  // namespace vm

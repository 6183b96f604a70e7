#include "rules/scoreboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using Names = std::vector<std::string>;

class ScoreboardTest : public test::GridTest {
protected:
    // The first `n` entries of a row; every entry after them must be empty.
    template <typename Row>
    static Names Filled(const Row& row, std::size_t n) {
        const Names all = test::All(row);
        for (std::size_t i = n; i < all.size(); ++i) EXPECT_EQ(all[i], "") << i + 1;
        return Names(all.begin(), all.begin() + static_cast<long>(n));
    }
};

TEST_F(ScoreboardTest, NoMeldsAWinnerAndALoserThenADraw) {
    // 85 card points against 60; the plain cards count nowhere.
    Give(HumanSide, "jan_20 mar_20 aug_20 feb_10 apr_10 may_5 jan_0 feb_1");
    Give(ComputerSide, "nov_20 dec_20 jun_10 jul_10 sep_0");
    ScoreboardView view = BuildScoreboard(s.game);
    EXPECT_EQ(view.Player.ScoreLabel, "Score Cards total =  85");
    EXPECT_EQ(view.CPU.ScoreLabel, "Score Cards total =  60");
    EXPECT_EQ(view.Player.MeldScoreLabel, "Meld Score total =  0");
    EXPECT_EQ(view.CPU.MeldScoreLabel, "Meld Score total =  0");
    EXPECT_EQ(view.Player.TotalLabel, "Winner  85");
    EXPECT_EQ(view.CPU.TotalLabel, " 60 Loser");
    EXPECT_EQ(view.GameResult, GameResult::HumanWins);
    // Month order, within a month most valuable first.
    EXPECT_EQ(Filled(view.Player.ScoringCards, 6),
              test::Split("jan_20 feb_10 mar_20 apr_10 may_5 aug_20"));
    EXPECT_EQ(Filled(view.CPU.ScoringCards, 4), test::Split("jun_10 jul_10 nov_20 dec_20"));
    for (const ScoreboardSide* side : {&view.Player, &view.CPU}) {
        Filled(side->MeldTitles, 0);
        Filled(side->MeldPictures, 0);
    }

    ResetTable(s);
    Give(HumanSide, "jun_10 jan_5 sep_5");
    Give(ComputerSide, "nov_20 jul_0");
    view = BuildScoreboard(s.game);
    EXPECT_EQ(view.Player.TotalLabel, "Draw  20");
    EXPECT_EQ(view.CPU.TotalLabel, " 20 Draw");
    EXPECT_EQ(view.GameResult, GameResult::Draw);
}

TEST_F(ScoreboardTest, ScoredMeldsFillTheRowsInTableOrder) {
    Give(HumanSide, "jan_20 mar_20 aug_20 nov_20 dec_20 dec_10 dec_5 dec_0");
    s.game.MeldFlags[1][6] = 1;
    s.game.MeldFlags[1][5] = 1;
    Give(ComputerSide,
         "jan_5 feb_5 mar_5 jun_5 sep_5 oct_5 may_10 may_5 may_1 may_0 oct_10 oct_1 oct_0");
    for (int meld = 1; meld <= 4; ++meld) s.game.MeldFlags[2][meld] = 1;
    const ScoreboardView view = BuildScoreboard(s.game);

    // Kiri in row 1 at indexes 1 to 4, Lights in row 2 at 6 to 10.
    EXPECT_EQ(Filled(view.Player.MeldTitles, 2), (Names{" Kiri Complete ", " Lights "}));
    EXPECT_EQ(Filled(view.Player.MeldPictures, 10),
              test::Split("dec_20 dec_10 dec_5 dec_0 - jan_20 mar_20 aug_20 nov_20 dec_20"));
    EXPECT_EQ(view.Player.MeldScoreLabel, "Meld Score total =  70");
    EXPECT_EQ(view.Player.ScoreLabel, "Score Cards total =  115");
    EXPECT_EQ(view.Player.TotalLabel, "Winner  185");

    EXPECT_EQ(Filled(view.CPU.MeldTitles, 4),
              (Names{" Akai Tan ", " Aoi Tan ", " Shoubu Complete ", " Momiji Complete "}));
    EXPECT_EQ(Filled(view.CPU.MeldPictures, 20),
              test::Split("jan_5 feb_5 mar_5 - - jun_5 sep_5 oct_5 - - may_10 may_5 may_1 may_0 - "
                          "oct_10 oct_5 oct_1 oct_0 -"));
    EXPECT_EQ(view.CPU.MeldScoreLabel, "Meld Score total =  100");
    EXPECT_EQ(view.CPU.GrandTotal, 30 + 15 + 10 + 100);
    EXPECT_EQ(view.CPU.TotalLabel, " 155 Loser");
}

TEST_F(ScoreboardTest, TwentyFiveScoringCardsFillTheTwentyFourPlaces) {
    for (const CardRecord& record : s.game.CardTable)
        s.game.CapturedPiles[1][record.Month][record.MonthRank] = record.CardName;
    const ScoreboardView view = BuildScoreboard(s.game);
    EXPECT_EQ(view.Player.CardTotal, 250);
    // In grid order the 24th is December's 10; December's 5 is counted but not shown.
    EXPECT_EQ(view.Player.ScoringCards[1], "jan_20.bmp");
    EXPECT_EQ(view.Player.ScoringCards[23], "dec_20.bmp");
    EXPECT_EQ(view.Player.ScoringCards[24], "dec_10.bmp");
}

}  // namespace
}  // namespace vm

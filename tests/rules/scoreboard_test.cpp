#include "rules/scoreboard.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

using ScoreboardTest = GridTest;

// A side of the scoreboard on one line: its card, meld and grand totals, its three labels, its
// scoring cards, its six meld titles and its meld rows of five pictures.
std::string Board(const ScoreboardSide& side) {
    std::string text = std::to_string(side.CardTotal) + "+" + std::to_string(side.MeldTotal) + "=" +
                       std::to_string(side.GrandTotal) + " |" + side.ScoreLabel + "|" +
                       side.MeldScoreLabel + "|" + side.TotalLabel + "| " +
                       Short(side.ScoringCards) + " |";
    for (const std::string& title : side.MeldTitles) text += title + "/";
    return text + " " + Short(side.MeldPictures);
}

TEST_F(ScoreboardTest, EachSideShowsItsCardsItsScoredMeldsAndItsTotalAgainstTheOther) {
    struct Case {
        const char *human, *computer;  // captured, every meld among them scored
        const char *player, *cpu;      // as Board writes them
        GameResult result;
    };
    const Case cases[] = {
        // Month order, within a month most valuable first; the plain cards count nowhere.
        {"nov_20 dec_20 jun_10 jul_10 sep_0",
         "jan_20 mar_20 aug_20 feb_10 apr_10 may_5 jan_0 feb_1",
         "60+0=60 |Score Cards total =  60|Meld Score total =  0|Loser  60| jun_10 jul_10 nov_20 "
         "dec_20 |////// ",
         "85+0=85 |Score Cards total =  85|Meld Score total =  0| 85 Winner| jan_20 feb_10 mar_20 "
         "apr_10 may_5 aug_20 |////// ",
         GameResult::ComputerWins},
        {"jun_10 jan_5 sep_5", "nov_20 jul_0",
         "20+0=20 |Score Cards total =  20|Meld Score total =  0|Draw  20| jan_5 jun_10 sep_5 "
         "|////// ",
         "20+0=20 |Score Cards total =  20|Meld Score total =  0| 20 Draw| nov_20 |////// ",
         GameResult::Draw},
        // The rows in table order: Kiri in row 1 at indexes 1 to 4, Lights in row 2 at 6 to 10.
        {"jan_20 mar_20 aug_20 nov_20 dec_20 dec_10 dec_5 dec_0",
         "jan_5 feb_5 mar_5 jun_5 sep_5 oct_5 may_10 may_5 may_1 may_0 oct_10 oct_1 oct_0",
         "115+70=185 |Score Cards total =  115|Meld Score total =  70|Winner  185| jan_20 mar_20 "
         "aug_20 nov_20 dec_20 dec_10 dec_5 | Kiri Complete / Lights ///// dec_20 dec_10 dec_5 "
         "dec_0 "
         "- jan_20 mar_20 aug_20 nov_20 dec_20",
         "55+100=155 |Score Cards total =  55|Meld Score total =  100| 155 Loser| jan_5 feb_5 "
         "mar_5 "
         "may_10 may_5 jun_5 sep_5 oct_10 oct_5 | Akai Tan / Aoi Tan / Shoubu Complete / Momiji "
         "Complete /// jan_5 feb_5 mar_5 - - jun_5 sep_5 oct_5 - - may_10 may_5 may_1 may_0 - "
         "oct_10 oct_5 oct_1 oct_0",
         GameResult::HumanWins},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.human);
        ResetTable(s);
        Give(HumanSide, c.human);
        Give(ComputerSide, c.computer);
        CheckMelds(table, HumanSide);
        CheckMelds(table, ComputerSide);
        const ScoreboardView view = BuildScoreboard(s.game);
        EXPECT_EQ(Board(view.Player), c.player);
        EXPECT_EQ(Board(view.CPU), c.cpu);
        EXPECT_EQ(view.GameResult, c.result);
    }
}

// The deck has 25 scoring cards and the board 24 places: in grid order the last, December's 5,
// is counted but not pictured.
TEST_F(ScoreboardTest, TwentyFiveScoringCardsFillTheTwentyFourPlacesAndAllCount) {
    for (const CardRecord& record : s.game.CardTable) Give(HumanSide, Short(record.CardName));
    EXPECT_EQ(
        Board(BuildScoreboard(s.game).Player),
        "250+0=250 |Score Cards total =  250|Meld Score total =  0|Winner  250| jan_20 jan_5 "
        "feb_10 feb_5 mar_20 mar_5 apr_10 apr_5 may_10 may_5 jun_10 jun_5 jul_10 jul_5 aug_20 "
        "aug_10 sep_10 sep_5 oct_10 oct_5 nov_20 nov_10 dec_20 dec_10 |////// ");
}

}  // namespace
}  // namespace vm::test

// What the captured cards make: their cells and the month piles, the melds and their notices,
// the bonuses by which the computer weighs a card, and the scoreboard.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "rules/captured_piles.h"
#include "rules/evaluation.h"
#include "rules/melds.h"
#include "rules/scoreboard.h"
#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

using CapturedPilesTest = GridTest;
using MeldsTest = GridTest;
using AddBonusTest = GridTest;
using ScoreboardTest = GridTest;

// A card goes to its own cell and its value to the score; the month piles show either side's
// grid on request, the human's captures added to whatever they show, and take no clicks.
TEST_F(CapturedPilesTest, ACardGoesToItsOwnCellAndTheMonthPilesShowEitherSide) {
    Give(HumanSide, "mar_20 mar_1");
    Give(ComputerSide, "dec_5 aug_0");
    EXPECT_EQ(Short(s.game.CapturedPiles[1][3]), "mar_20 - mar_1");
    EXPECT_EQ(s.view.lblPlayer + s.view.lblCPU, " 20 5");
    EXPECT_EQ(s.view.MonthPiles[3][3], (CardPlace{CardName("mar_1.bmp"), true, false}));
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken mar_20 mar_1");
    ShowCapturedView(s.game, s.view, ComputerSide);
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken aug_0 dec_5");
    Give(HumanSide, "feb_5");
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken feb_5 aug_0 dec_5");
    ShowCapturedView(s.game, s.view, HumanSide);
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken feb_5 mar_20 mar_1");
}

// Each side's check announces its own completed melds, in table order, each once and with its
// points already added; a card completing two announces both.
TEST_F(MeldsTest, EachCompletedMeldIsAnnouncedOnceInTableOrderWithItsPicturesAndPoints) {
    Give(ComputerSide, "jun_5 sep_5 oct_10 oct_5 oct_1 oct_0");
    Give(HumanSide, "jan_5 feb_5 mar_5 jan_20 mar_20 aug_20 nov_20 dec_20 dec_10 dec_5 dec_0");
    for (int side : {0, 3, 2, 2, 1, 1}) CheckMelds(table, static_cast<Side>(side));
    const std::string blue = "Computer has Aoi Tan (Blue Tanzaku Strips), +30 points";
    const std::string maple = "Computer has Momiji Complete (Oct), +20 points";
    const std::string red = "Player has Akai Tan (Red Tanzaku Strips), +30 points";
    const std::string paulownia = "Player has Kiri Complete (Dec), +20 points";
    const std::string lights = "Player has Lights (kings) Complete, +50 points";
    EXPECT_EQ(host.Calls, (Names{"Meld " + blue, "Meld " + maple, "Meld " + red,
                                 "Meld " + paulownia, "Meld " + lights}));
    EXPECT_EQ(Shown(host.Melds[0]), "jun_5 sep_5 oct_5 | " + blue + " | 30");
    EXPECT_EQ(Shown(host.Melds[1]), "oct_10 oct_5 oct_1 oct_0 | " + maple + " | 20");
    EXPECT_EQ(Shown(host.Melds[2]), "jan_5 feb_5 mar_5 | " + red + " | 30");
    EXPECT_EQ(Shown(host.Melds[4]), "jan_20 mar_20 aug_20 nov_20 dec_20 | " + lights + " | 50");
    // The computer's cards are worth 25. The human's: three ribbons 15, five lights 100, the
    // other December cards 15; melds 100.
    EXPECT_EQ(host.At(0).game.CPUScore, 25 + 30);
    EXPECT_EQ(host.At(1).game.CPUScore, 25 + 30 + 20);
    EXPECT_EQ(s.game.CPUScore, 25 + 30 + 20);
    EXPECT_EQ(s.game.PlayerScore, 15 + 100 + 15 + 30 + 20 + 50);
}

TEST_F(AddBonusTest, TheBonusOfACandidateFollowsTheSetsAndBothGrids) {
    struct Case {
        const char *human, *computer, *card;
        int own, open, block;
    };
    const Case cases[] = {
        {"", "", "feb_0", 0, 0, 0},  // no set
        {"", "", "oct_5", 0, 5, 0},  // blue and October open: the later set
        {"nov_20", "", "aug_20", 0, 0, 50},
        {"jan_5 may_5", "feb_5 may_1", "mar_5", 0, 0, 0},    // red ribbons broken
        {"jan_5 may_5", "feb_5 may_1", "may_10", 0, 0, 20},  // May is never broken
        {"", "may_5 may_1 may_0", "may_10", 20, 0, 0},
        {"", "may_5 may_1", "may_10", 0, 5, 0},                     // three of four is no meld yet
        {"", "jun_5 sep_5 oct_10 oct_1 oct_0", "oct_5", 20, 0, 0},  // October, the later
        {"", "dec_10 dec_5 dec_0", "dec_20", 20, 0, 0},
        {"dec_0", "", "dec_20", 0, 13, 0},  // lights open is tried before the December block
        {"jun_5 oct_0", "", "oct_5", 0, 0, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.card) + " against " + c.human + " / " + c.computer);
        ClearCapturedPiles(s.game);
        Give(HumanSide, c.human);
        Give(ComputerSide, c.computer);
        const CardName card(Split(c.card)[0]);
        Candidate candidate;
        candidate.HandCard = card;
        candidate.Score = CardValue(card);
        AddBonus(s.game, candidate);
        EXPECT_EQ(std::tuple(candidate.OwnMeldBonus, candidate.OpenSetBonus, candidate.BlockBonus),
                  std::tuple(c.own, c.open, c.block));
        EXPECT_EQ(candidate.Score, CardValue(card) + c.own + c.open + c.block);
    }
}

// A side of the scoreboard on one line: its three labels, its scoring cards, its six meld
// titles and its meld rows of five pictures.
std::string Board(const ScoreboardSide& side) {
    std::string text = side.ScoreLabel + "|" + side.MeldScoreLabel + "|" + side.TotalLabel + "| " +
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
         "Score Cards total =  60|Meld Score total =  0|Loser  60| "
         "jun_10 jul_10 nov_20 dec_20 |////// ",
         "Score Cards total =  85|Meld Score total =  0| 85 Winner| "
         "jan_20 feb_10 mar_20 apr_10 may_5 aug_20 |////// ",
         GameResult::ComputerWins},
        {"jun_10 jan_5 sep_5", "nov_20 jul_0",
         "Score Cards total =  20|Meld Score total =  0|Draw  20| jan_5 jun_10 sep_5 |////// ",
         "Score Cards total =  20|Meld Score total =  0| 20 Draw| nov_20 |////// ",
         GameResult::Draw},
        // The rows in table order: Kiri in row 1 at indexes 1 to 4, Lights in row 2 at 6 to 10.
        {"jan_20 mar_20 aug_20 nov_20 dec_20 dec_10 dec_5 dec_0",
         "jan_5 feb_5 mar_5 jun_5 sep_5 oct_5 may_10 may_5 may_1 may_0 oct_10 oct_1 oct_0",
         "Score Cards total =  115|Meld Score total =  70|Winner  185| jan_20 mar_20 aug_20 "
         "nov_20 dec_20 dec_10 dec_5 | Kiri Complete / Lights ///// "
         "dec_20 dec_10 dec_5 dec_0 - jan_20 mar_20 aug_20 nov_20 dec_20",
         "Score Cards total =  55|Meld Score total =  100| 155 Loser| jan_5 feb_5 mar_5 may_10 "
         "may_5 jun_5 sep_5 oct_10 oct_5 | Akai Tan / Aoi Tan / Shoubu Complete / Momiji Complete "
         "/// jan_5 feb_5 mar_5 - - jun_5 sep_5 oct_5 - - may_10 may_5 may_1 may_0 - "
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
        "Score Cards total =  250|Meld Score total =  0|Winner  250| jan_20 jan_5 feb_10 feb_5 "
        "mar_20 mar_5 apr_10 apr_5 may_10 may_5 jun_10 jun_5 jul_10 jul_5 aug_20 aug_10 sep_10 "
        "sep_5 oct_10 oct_5 nov_20 nov_10 dec_20 dec_10 |////// ");
}

}  // namespace
}  // namespace vm::test

#include "view/debug_views.h"

#include <gtest/gtest.h>

#include "rules/evaluation.h"
#include "rules/pile_draw.h"
#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

// Ten lines with a sign position before each number; only the first ten entries are listed.
TEST(CandidateDump, TenLinesWithSignPositionsAndClearedEntries) {
    Game game;
    const Candidate filler{CardName("jan_20.bmp"), 1, CardName("jan_1.bmp"), 2, 33, 0, 13, 0};
    game.CandidateTable.Fill(filler);
    ClearCandidates(game);
    EXPECT_EQ(CandidateDumpText(game), Dump(""));
    game.CandidateTable[1] = {CardName("jul_10.bmp"), 3, CardName("jul_0.bmp"), 5, 10, 0, 0, 0};
    game.CandidateTable[2] = {CardName("jan_20.bmp"), 1, CardName(""), 0, 33, 0, 13, 0};
    game.CandidateTable[3] = {CardName("x"), 0, CardName("y"), 0, -5, -1, 20, 50};
    EXPECT_EQ(CandidateDumpText(game), Dump("hand=jul_10.bmp desk=jul_0.bmp score= 10 ( 0, 0, 0)\n"
                                            "hand=jan_20.bmp desk= score= 33 ( 0, 13, 0)\n"
                                            "hand=x desk=y score=-5 (-1, 20, 50)"));
}

// The first picture is the card the next draw turns over; the count follows the pile.
TEST(PileViewer, ShowsUpToTwentyFourCardsFromTheNextOneWithTheCount) {
    OnTable t({.desk = Split("jan_5"), .pile = Split("nov_0")}, false, 0);
    PileView view = BuildPileView(t.s.game);
    EXPECT_EQ(view.lblNumber, " 47 cards left");
    for (int n = 1; n <= 24; ++n) EXPECT_EQ(view.Pictures[n], t.s.game.CardTable[1 + n].CardName);
    DrawFromPile(t.table);
    view = BuildPileView(t.s.game);
    EXPECT_EQ(view.lblNumber + view.Pictures[1],
              " 46 cards left" + t.s.game.CardTable[3].CardName.Text());
    t.s.game.PilePosition = 49;
    EXPECT_EQ(BuildPileView(t.s.game), (PileView{{}, " 0 cards left"}));
}

}  // namespace
}  // namespace vm::test

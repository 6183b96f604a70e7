#include "view/debug_views.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/evaluation.h"
#include "rules/pile_draw.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

TEST(CandidateDump, TenLinesWithSignPositionsAndClearedEntries) {
    Game game;
    const Candidate filler{CardName("jan_20.bmp"), 1, CardName("jan_1.bmp"), 2, 33, 0, 13, 0};
    game.CandidateTable.Fill(filler);
    // Clearing empties the first ten entries only; entries beyond the tenth are never listed.
    ClearCandidates(game);
    EXPECT_EQ(CandidateDumpText(game), test::Dump(""));
    EXPECT_EQ(game.CandidateTable[11], filler);
    game.CandidateTable[1] = Candidate{CardName("jul_10.bmp"), 3, CardName("jul_0.bmp"), 5, 10, 0, 0, 0};
    game.CandidateTable[2] = Candidate{CardName("jan_20.bmp"), 1, CardName(""), 0, 33, 0, 13, 0};
    game.CandidateTable[3] = Candidate{CardName("x"), 0, CardName("y"), 0, -5, -1, 20, 50};
    EXPECT_EQ(CandidateDumpText(game),
              test::Dump("hand=jul_10.bmp desk=jul_0.bmp score= 10 ( 0, 0, 0)\n"
                         "hand=jan_20.bmp desk= score= 33 ( 0, 13, 0)\n"
                         "hand=x desk=y score=-5 (-1, 20, 50)"));
}

TEST(PileViewer, ShowsUpToTwentyFourCardsFromTheNextOneWithTheCount) {
    test::ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    test::SetUpTable(s, {.desk = test::Split("jan_5"), .pile = test::Split("nov_0")});
    PileView view = BuildPileView(s.game);
    EXPECT_EQ(view.lblNumber, " 47 cards left");
    EXPECT_EQ(view.Pictures[1], "nov_0.bmp");
    for (int n = 1; n <= 24; ++n)
        EXPECT_EQ(view.Pictures[n], s.game.CardTable[1 + n].CardName) << n;

    // The first picture is the card the next draw turns over.
    Table table = TableOf(s);
    DrawFromPile(table);
    view = BuildPileView(s.game);
    EXPECT_EQ(view.lblNumber, " 46 cards left");
    EXPECT_EQ(view.Pictures[1], s.game.CardTable[3].CardName);

    s.game.PilePosition = 49;
    view = BuildPileView(s.game);
    EXPECT_EQ(view.lblNumber, " 0 cards left");
    for (int n = 1; n <= 24; ++n)
        EXPECT_EQ(view.Pictures[n], "") << n;
}

}  // namespace
}  // namespace vm

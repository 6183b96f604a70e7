#include "game/debug_views.h"

#include <gtest/gtest.h>

#include <string>

#include "game/pile_draw.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

TEST(CandidateDump, TenLinesWithSignPositionsAndClearedEntries) {
    const std::string cleared = "hand= desk= score= 0 ( 0, 0, 0)\r\n";
    Game game;
    for (int i = 1; i <= 30; ++i)
        game.CandidateTable[i] = Candidate{"c" + std::to_string(i), 0, "", 0, 0, 0, 0, 0};
    game.CandidateTable[1] = Candidate{"jul_10.bmp", 3, "jul_0.bmp", 5, 10, 0, 0, 0};
    game.CandidateTable[2] = Candidate{"jan_20.bmp", 1, "", 0, 33, 0, 13, 0};
    game.CandidateTable[3] = Candidate{"x", 0, "y", 0, -5, -1, 20, 50};
    for (int i = 4; i <= 10; ++i)
        game.CandidateTable[i] = Candidate{};
    std::string expected =
        "hand=jul_10.bmp desk=jul_0.bmp score= 10 ( 0, 0, 0)\r\n"
        "hand=jan_20.bmp desk= score= 33 ( 0, 13, 0)\r\n"
        "hand=x desk=y score=-5 (-1, 20, 50)\r\n";
    for (int i = 3; i < 10; ++i)
        expected += cleared;
    // Entries beyond the tenth are never listed.
    EXPECT_EQ(CandidateDumpText(game), expected);
}

TEST(PileViewer, ShowsThePileFromTheNextCardWithItsCount) {
    test::ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    test::SetUpTable(
        s, {.player = test::Split("jan_0 feb_0 mar_0 apr_0 may_0 jun_0 jul_0 aug_0 sep_0 oct_0"),
            .cpu = test::Split("jan_1 feb_1 mar_1 apr_1 may_1 jun_1 jul_1 aug_1 sep_1 oct_1"),
            .desk = test::Split("jan_5 feb_5 mar_5 apr_5 may_5 jun_5 jul_5 aug_20"),
            .pile = test::Split("nov_0")});
    ASSERT_EQ(s.game.PilePosition, 29);

    PileView view = BuildPileView(s.game);
    EXPECT_EQ(view.lblNumber, " 20 cards left");
    EXPECT_EQ(view.Pictures[1], "nov_0.bmp");
    for (int n = 1; n <= 24; ++n)
        EXPECT_EQ(view.Pictures[n], n <= 20 ? s.game.CardTable[28 + n].CardName : "") << n;

    // The first picture is the card the next draw turns over.
    DrawFromPile(s);
    view = BuildPileView(s.game);
    EXPECT_EQ(view.lblNumber, " 19 cards left");
    EXPECT_EQ(view.Pictures[1], s.game.CardTable[30].CardName);
    EXPECT_EQ(view.Pictures[20], "");

    s.game.PilePosition = 49;
    view = BuildPileView(s.game);
    EXPECT_EQ(view.lblNumber, " 0 cards left");
    for (int n = 1; n <= 24; ++n)
        EXPECT_EQ(view.Pictures[n], "") << n;
}

}  // namespace
}  // namespace vm

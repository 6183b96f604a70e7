#include "game/debug_views.h"

#include <gtest/gtest.h>

#include <string>

#include "game/pile_draw.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

const std::string Cleared = "hand= desk= score= 0 ( 0, 0, 0)\r\n";

TEST(CandidateDump, TenLinesWithSignPositionsAndClearedEntries) {
    Game game;
    EXPECT_EQ(CandidateDumpText(game), [] {
        std::string all;
        for (int i = 0; i < 10; ++i)
            all += Cleared;
        return all;
    }());

    game.CandidateTable[1] = Candidate{"jul_10.bmp", 3, "jul_0.bmp", 5, 10, 0, 0, 0};
    game.CandidateTable[2] = Candidate{"jan_20.bmp", 1, "", 0, 33, 0, 13, 0};
    game.CandidateTable[3] = Candidate{"x", 0, "y", 0, -5, -1, 20, 50};
    std::string expected =
        "hand=jul_10.bmp desk=jul_0.bmp score= 10 ( 0, 0, 0)\r\n"
        "hand=jan_20.bmp desk= score= 33 ( 0, 13, 0)\r\n"
        "hand=x desk=y score=-5 (-1, 20, 50)\r\n";
    for (int i = 3; i < 10; ++i)
        expected += Cleared;
    EXPECT_EQ(CandidateDumpText(game), expected);
}

TEST(CandidateDump, OnlyTheFirstTenEntriesAreListed) {
    Game game;
    for (int i = 1; i <= 30; ++i)
        game.CandidateTable[i] = Candidate{"c" + std::to_string(i), 0, "", 0, 0, 0, 0, 0};
    const std::string text = CandidateDumpText(game);
    EXPECT_NE(text.find("hand=c10 "), std::string::npos);
    EXPECT_EQ(text.find("hand=c11 "), std::string::npos);
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 10);
}

TEST(PileViewer, ShowsThePileFromTheNextCardWithItsCount) {
    test::ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 0);
    test::Layout layout;
    layout.player = {"jan_0.bmp", "feb_0.bmp", "mar_0.bmp", "apr_0.bmp", "may_0.bmp",
                     "jun_0.bmp", "jul_0.bmp", "aug_0.bmp", "sep_0.bmp", "oct_0.bmp"};
    layout.cpu = {"jan_1.bmp", "feb_1.bmp", "mar_1.bmp", "apr_1.bmp", "may_1.bmp",
                  "jun_1.bmp", "jul_1.bmp", "aug_1.bmp", "sep_1.bmp", "oct_1.bmp"};
    layout.desk = {"jan_5.bmp", "feb_5.bmp", "mar_5.bmp", "apr_5.bmp",
                   "may_5.bmp", "jun_5.bmp", "jul_5.bmp", "sep_5.bmp"};
    layout.pile = {"nov_0.bmp"};
    test::SetUpTable(s, layout);
    ASSERT_EQ(s.game.PilePosition, 29);

    PileView view = BuildPileView(s.game);
    EXPECT_EQ(view.lblNumber, " 20 cards left");
    EXPECT_EQ(view.Pictures[1], "nov_0.bmp");
    for (int n = 1; n <= 20; ++n)
        EXPECT_EQ(view.Pictures[n], s.game.CardTable[28 + n].CardName) << n;
    for (int n = 21; n <= 24; ++n)
        EXPECT_EQ(view.Pictures[n], "") << n;

    // The first picture is the card the next draw turns over.
    DrawFromPile(s);
    ASSERT_EQ(host.Plays.back().Card, "nov_0.bmp");
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

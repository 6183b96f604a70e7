#include "scoring/captured_piles.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fixed_table.h"

namespace vm {
namespace {

class CapturedPilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::PrepareSession(s, host, 0);
        ResetTable(s);
        BuildCardTable(s.game.CardTable, true);
    }
    void Capture(int side, const std::string& card) {
        const int rank = MonthRank(s.game.CardTable, card);
        CaptureCard(s, side, card, rank);
        if (side == HumanSide)
            ShowCapturedCard(s, side, card, rank);
    }

    test::ScriptedHost host;
    Session s{host};
};

TEST_F(CapturedPilesTest, ACardGoesToItsOwnCellAndItsValueToTheScore) {
    Capture(HumanSide, "mar_20.bmp");
    EXPECT_EQ(s.game.CapturedPiles[1][3][1], "mar_20.bmp");
    EXPECT_EQ(s.game.PlayerScore, 20);
    EXPECT_EQ(s.view.lblPlayer, " 20");
    Capture(ComputerSide, "dec_5.bmp");
    EXPECT_EQ(s.game.CapturedPiles[2][12][3], "dec_5.bmp");
    EXPECT_EQ(s.game.CPUScore, 5);
    EXPECT_EQ(s.view.lblCPU, " 5");
    // A plain card fills its place and leaves the score as it was.
    Capture(HumanSide, "mar_1.bmp");
    EXPECT_EQ(s.game.CapturedPiles[1][3][3], "mar_1.bmp");
    EXPECT_EQ(s.game.PlayerScore, 20);
    EXPECT_EQ(s.view.lblPlayer, " 20");
    Capture(HumanSide, "mar_5.bmp");
    EXPECT_EQ(s.view.lblPlayer, " 25");
    EXPECT_EQ(CountCapturedMonth(s.game, 3, HumanSide), 3);
    EXPECT_EQ(CountCapturedMonth(s.game, 12, ComputerSide), 1);
    EXPECT_EQ(CountCapturedMonth(s.game, 12, HumanSide), 0);
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(CapturedPilesTest, CardsWithoutACellAreIgnored) {
    const auto before = s.game.CapturedPiles;
    CaptureCard(s, HumanSide, "Jan_20.bmp", 1);
    CaptureCard(s, HumanSide, "", 1);
    CaptureCard(s, HumanSide, "jan_20.bmp", 0);
    CaptureCard(s, HumanSide, "jano_20.bmp", MonthRank(s.game.CardTable, "jano_20.bmp"));
    CaptureCard(s, HumanSide, "jan_20.bmp", 5);
    ShowCapturedCard(s, HumanSide, "Jan_20.bmp", 1);
    ShowCapturedCard(s, HumanSide, "jan_20.bmp", 0);
    EXPECT_EQ(s.game.CapturedPiles, before);
    EXPECT_EQ(s.game.PlayerScore, 0);
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
}

TEST_F(CapturedPilesTest, TheMonthPilesShowEitherSideOnRequest) {
    Capture(HumanSide, "jan_20.bmp");
    Capture(HumanSide, "jan_1.bmp");
    Capture(ComputerSide, "nov_10.bmp");
    Capture(ComputerSide, "aug_0.bmp");
    EXPECT_TRUE(s.view.MonthPiles[1][1].Visible);
    EXPECT_EQ(s.view.MonthPiles[1][3].Picture, "jan_1.bmp");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 2);

    ShowCapturedView(s, ComputerSide);
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 2);
    EXPECT_TRUE(s.view.MonthPiles[11][2].Visible);
    EXPECT_EQ(s.view.MonthPiles[11][2].Picture, "nov_10.bmp");
    EXPECT_EQ(s.view.MonthPiles[8][4].Picture, "aug_0.bmp");
    EXPECT_FALSE(s.view.MonthPiles[1][1].Visible);

    // The human's next capture is added to whatever the piles show.
    Capture(HumanSide, "feb_5.bmp");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 3);

    ShowCapturedView(s, HumanSide);
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 3);
    EXPECT_FALSE(s.view.MonthPiles[11][2].Visible);
    EXPECT_TRUE(s.view.MonthPiles[2][2].Visible);

    ClearCapturedView(s);
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    EXPECT_EQ(s.game.CapturedPiles[1][1][1], "jan_20.bmp");
    ClearCapturedPiles(s);
    for (int side = 1; side <= 2; ++side) {
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(CountCapturedMonth(s.game, month, side), 0);
    }
}

TEST_F(CapturedPilesTest, ScoreLabelsHaveASignPosition) {
    s.game.PlayerScore = 0;
    ShowScore(s, HumanSide);
    EXPECT_EQ(s.view.lblPlayer, " 0");
    s.game.CPUScore = 420;
    ShowScore(s, ComputerSide);
    EXPECT_EQ(s.view.lblCPU, " 420");
    const TableView before = s.view;
    s.game.PlayerScore = 7;
    ShowScore(s, 3);
    ShowScore(s, 0);
    EXPECT_EQ(s.view, before);
}

TEST(MonthCaption, TheTwelveFixedCaptions) {
    EXPECT_EQ(MonthCaption(1), "January - Matsu (Pine)");
    EXPECT_EQ(MonthCaption(2), "February - Ume (Plum)");
    EXPECT_EQ(MonthCaption(3), "March - Sakura (Flowering Cherry)");
    EXPECT_EQ(MonthCaption(4), "April -Fuji (Wisteria)");
    EXPECT_EQ(MonthCaption(5), "May - Shoubu (Iris)");
    EXPECT_EQ(MonthCaption(6), "June - Botan (Peony)");
    EXPECT_EQ(MonthCaption(7), "July - Hagi (Bush Clover)");
    EXPECT_EQ(MonthCaption(8), "August - Susuki (Pampass Grass)");
    EXPECT_EQ(MonthCaption(9), "September - Kiku (Crysanthemum)");
    EXPECT_EQ(MonthCaption(10), "October - Momiji (Maple)");
    EXPECT_EQ(MonthCaption(11), "November - Yanagi (Willow)");
    EXPECT_EQ(MonthCaption(12), "December - Paulownia (Kiri)");
}

}  // namespace
}  // namespace vm

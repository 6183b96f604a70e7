#include "rules/captured_piles.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using CapturedPilesTest = test::GridTest;

TEST_F(CapturedPilesTest, ACardGoesToItsOwnCellAndItsValueToTheScore) {
    Give(HumanSide, "mar_20");
    EXPECT_EQ(s.game.CapturedPiles[1][3][1], "mar_20.bmp");
    EXPECT_EQ(s.view.lblPlayer, " 20");
    Give(ComputerSide, "dec_5");
    EXPECT_EQ(s.game.CapturedPiles[2][12][3], "dec_5.bmp");
    EXPECT_EQ(s.view.lblCPU, " 5");
    // A plain card fills its place and leaves the score as it was.
    Give(HumanSide, "mar_1");
    EXPECT_EQ(s.game.CapturedPiles[1][3][3], "mar_1.bmp");
    EXPECT_EQ(s.game.PlayerScore, 20);
    EXPECT_EQ(CountCapturedMonth(s.game, 3, HumanSide), 2);
    EXPECT_EQ(CountCapturedMonth(s.game, 12, HumanSide), 0);
    EXPECT_TRUE(host.Calls.empty());

    // Cards without a cell are ignored, never written out of range.
    const auto grids = s.game.CapturedPiles;
    const TableView view = s.view;
    CaptureCard(s.game, s.view, HumanSide, CardName("Jan_20.bmp"), 1);
    CaptureCard(s.game, s.view, HumanSide, CardName("jan_20.bmp"), 0);
    CaptureCard(s.game, s.view, HumanSide, CardName("jan_20.bmp"), 5);
    ShowCapturedCard(s.view, CardName("Jan_20.bmp"), 1);
    EXPECT_EQ(s.game.CapturedPiles, grids);
    EXPECT_EQ(s.game.PlayerScore, 20);
    EXPECT_EQ(s.view, view);
}

TEST_F(CapturedPilesTest, TheMonthPilesShowEitherSideOnRequest) {
    Give(HumanSide, "jan_20");
    Give(HumanSide, "jan_1");
    Give(ComputerSide, "nov_10");
    Give(ComputerSide, "aug_0");
    EXPECT_EQ(s.view.MonthPiles[1][3].Picture, "jan_1.bmp");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 2);

    ShowCapturedView(s.game, s.view, ComputerSide);
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 2);
    EXPECT_TRUE(s.view.MonthPiles[11][2].Visible);
    EXPECT_EQ(s.view.MonthPiles[11][2].Picture, "nov_10.bmp");
    EXPECT_EQ(s.view.MonthPiles[8][4].Picture, "aug_0.bmp");
    // The human's next capture is added to whatever the piles show.
    Give(HumanSide, "feb_5");
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 3);

    ShowCapturedView(s.game, s.view, HumanSide);
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 3);
    EXPECT_FALSE(s.view.MonthPiles[11][2].Visible);
    EXPECT_TRUE(s.view.MonthPiles[2][2].Visible);

    ClearCapturedView(s.view);
    EXPECT_EQ(test::VisibleMonthPlaces(s.view), 0);
    EXPECT_EQ(s.game.CapturedPiles[1][1][1], "jan_20.bmp");
    ClearCapturedPiles(s.game);
    EXPECT_EQ(s.game.CapturedPiles, decltype(s.game.CapturedPiles){});
}

}  // namespace
}  // namespace vm

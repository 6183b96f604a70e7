#include "rules/captured_piles.h"

#include <gtest/gtest.h>

#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Shown;

using CapturedPilesTest = test::GridTest;

TEST_F(CapturedPilesTest, ACardGoesToItsOwnCellAndItsValueToTheScore) {
    Give(HumanSide, "mar_20");
    Give(ComputerSide, "dec_5");
    // A plain card fills its place and leaves the score as it was.
    Give(HumanSide, "mar_1");
    EXPECT_EQ(test::All(s.game.CapturedPiles[1][3]), test::Split("mar_20 - mar_1 -"));
    EXPECT_EQ(test::All(s.game.CapturedPiles[2][12]), test::Split("- - dec_5 -"));
    EXPECT_EQ(s.view.lblPlayer + s.view.lblCPU, " 20 5");
    EXPECT_EQ(CountCapturedMonth(s.game, 3, HumanSide), 2);
    EXPECT_EQ(CountCapturedMonth(s.game, 12, HumanSide), 0);
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(CapturedPilesTest, TheMonthPilesShowEitherSideOnRequest) {
    Give(HumanSide, "jan_20 jan_1");
    Give(ComputerSide, "nov_10 aug_0");
    EXPECT_EQ(s.view.MonthPiles[1][3], (CardPlace{CardName("jan_1.bmp"), true, false}));
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken jan_20 jan_1");
    ShowCapturedView(s.game, s.view, ComputerSide);
    EXPECT_EQ(s.view.MonthPiles[11][2], (CardPlace{CardName("nov_10.bmp"), true, false}));
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken aug_0 nov_10");
    // The human's next capture is added to whatever the piles show.
    Give(HumanSide, "feb_5");
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken feb_5 aug_0 nov_10");
    ShowCapturedView(s.game, s.view, HumanSide);
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken jan_20 jan_1 feb_5");

    ClearCapturedView(s.view);
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken");
    EXPECT_EQ(s.game.CapturedPiles[1][1][1], "jan_20.bmp");
    ClearCapturedPiles(s.game);
    EXPECT_EQ(s.game.CapturedPiles, decltype(s.game.CapturedPiles){});
}

}  // namespace
}  // namespace vm

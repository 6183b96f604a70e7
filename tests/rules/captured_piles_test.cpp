#include "rules/captured_piles.h"

#include <gtest/gtest.h>

#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

using CapturedPilesTest = GridTest;

// A card goes to its own cell and its value to the score; the month piles show either side's
// grid on request, the human's captures added to whatever they show.
TEST_F(CapturedPilesTest, ACardGoesToItsOwnCellAndTheMonthPilesShowEitherSide) {
    Give(HumanSide, "mar_20");
    Give(ComputerSide, "dec_5 aug_0");
    // A plain card fills its place and leaves the score as it was.
    Give(HumanSide, "mar_1");
    EXPECT_EQ(Short(s.game.CapturedPiles[1][3]), "mar_20 - mar_1");
    EXPECT_EQ(Short(s.game.CapturedPiles[2][12]), "- - dec_5");
    EXPECT_EQ(s.view.lblPlayer + s.view.lblCPU, " 20 5");
    EXPECT_EQ(CountCapturedMonth(s.game, 3, HumanSide), 2);
    EXPECT_EQ(CountCapturedMonth(s.game, 12, HumanSide), 0);
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(s.view.MonthPiles[3][3], (CardPlace{CardName("mar_1.bmp"), true, false}));
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken mar_20 mar_1");
    ShowCapturedView(s.game, s.view, ComputerSide);
    EXPECT_EQ(s.view.MonthPiles[12][3], (CardPlace{CardName("dec_5.bmp"), true, false}));
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken aug_0 dec_5");
    Give(HumanSide, "feb_5");
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken feb_5 aug_0 dec_5");
    ShowCapturedView(s.game, s.view, HumanSide);
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken feb_5 mar_20 mar_1");

    ClearCapturedView(s.view);
    EXPECT_EQ(Shown(s.view), "comp | desk | hand | pile - - | taken");
    EXPECT_EQ(Short(s.game.CapturedPiles[1][3]), "mar_20 - mar_1");
    ClearCapturedPiles(s.game);
    EXPECT_EQ(s.game.CapturedPiles, decltype(s.game.CapturedPiles){});
}

}  // namespace
}  // namespace vm::test

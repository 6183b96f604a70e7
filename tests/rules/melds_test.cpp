#include "rules/melds.h"

#include <gtest/gtest.h>

#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

using MeldsTest = GridTest;

TEST_F(MeldsTest,
       OneCardCompletingTwoMeldsAnnouncesBothInTableOrderOnlyForItsSideEachWithItsPointsOnce) {
    Give(ComputerSide, "jun_5 sep_5 oct_10 oct_1 oct_0");
    CheckMelds(table, ComputerSide);
    EXPECT_TRUE(host.Calls.empty());
    Give(ComputerSide, "oct_5");
    const int before = s.game.CPUScore;
    // The other side's and no side's checks announce nothing; its own announces once.
    for (int side : {1, 0, 3, 2, 2}) CheckMelds(table, static_cast<Side>(side));
    const std::string blue = "Computer has Aoi Tan (Blue Tanzaku Strips), +30 points";
    const std::string maple = "Computer has Momiji Complete (Oct), +20 points";
    EXPECT_EQ(host.Calls, (Names{"Meld " + blue, "Meld " + maple}));
    EXPECT_EQ(Shown(host.Melds[0]), "jun_5 sep_5 oct_5 | " + blue + " | 30");
    EXPECT_EQ(Shown(host.Melds[1]), "oct_10 oct_5 oct_1 oct_0 | " + maple + " | 20");
    // Each notice comes with its own points already added.
    EXPECT_EQ(host.At(0).game.CPUScore, before + 30);
    EXPECT_EQ(host.At(1).game.CPUScore, before + 50);
    EXPECT_EQ(s.game.CPUScore, before + 50);
}

TEST_F(MeldsTest, RedKiriAndLightsAreAnnouncedInTableOrderWithTheirPictures) {
    Give(HumanSide, "jan_5 feb_5 mar_5 jan_20 mar_20 aug_20 nov_20 dec_20 dec_10 dec_5 dec_0");
    CheckMelds(table, HumanSide);
    const std::string red = "Player has Akai Tan (Red Tanzaku Strips), +30 points";
    const std::string paulownia = "Player has Kiri Complete (Dec), +20 points";
    const std::string lights = "Player has Lights (kings) Complete, +50 points";
    EXPECT_EQ(host.Calls, (Names{"Meld " + red, "Meld " + paulownia, "Meld " + lights}));
    EXPECT_EQ(Shown(host.Melds[0]), "jan_5 feb_5 mar_5 | " + red + " | 30");
    EXPECT_EQ(Shown(host.Melds[2]), "jan_20 mar_20 aug_20 nov_20 dec_20 | " + lights + " | 50");
    // Cards: three ribbons 15, five lights 100, the other December cards 15; melds 100.
    EXPECT_EQ(s.game.PlayerScore, 15 + 100 + 15 + 30 + 20 + 50);
}

}  // namespace
}  // namespace vm::test

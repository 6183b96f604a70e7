#include "rules/melds.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/captured_piles.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Names;

using MeldsTest = test::GridTest;

TEST_F(MeldsTest, OneCardCompletingTwoMeldsAnnouncesBothInTableOrderAndNeverAgain) {
    Give(ComputerSide, "jun_5 sep_5 oct_10 oct_1 oct_0");
    CheckMelds(table, ComputerSide);
    EXPECT_TRUE(host.Calls.empty());
    Give(ComputerSide, "oct_5");
    const int before = s.game.CPUScore;
    CheckMelds(table, ComputerSide);
    EXPECT_EQ(host.Calls, (Names{"Meld Computer has Aoi Tan (Blue Tanzaku Strips), +30 points",
                                 "Meld Computer has Momiji Complete (Oct), +20 points"}));
    // Each announcement comes with its own points already added.
    EXPECT_EQ(host.At(0).game.CPUScore, before + 30);
    EXPECT_EQ(host.At(1).game.CPUScore, before + 30 + 20);
    EXPECT_EQ(test::Entries(host.Melds[0]),
              test::MeldEntries("jun_5 sep_5 oct_5", host.Melds[0].Announcement, "30"));
    EXPECT_EQ(test::Entries(host.Melds[1]),
              test::MeldEntries("oct_10 oct_5 oct_1 oct_0", host.Melds[1].Announcement, "20"));
    CheckMelds(table, ComputerSide);
    EXPECT_EQ(host.Calls.size(), 2u);
    EXPECT_EQ(s.game.CPUScore, before + 50);
}

TEST_F(MeldsTest, ThreeOfFourEarnNothingTheFourthTwentyOnceAndOnlyForItsSide) {
    Give(HumanSide, "may_10 may_5 may_0");
    CheckMelds(table, HumanSide);
    EXPECT_TRUE(host.Melds.empty());
    Give(HumanSide, "may_1");
    for (int side : {1, 1, 2, 0, 3}) CheckMelds(table, static_cast<Side>(side));
    EXPECT_EQ(host.Calls, Names{"Meld Player has Shoubu Complete (May), +20 points"});
    EXPECT_EQ(s.game.PlayerScore, 35);
    EXPECT_EQ(s.game.MeldFlags[1][3], 1);
    // The computer's view of the same meld names the computer and shows none of its cards.
    const MeldInfo computer = PrepareMeldInfo(s.game, ComputerSide, 3);
    EXPECT_EQ(computer.Announcement, "Computer has Shoubu Complete (May), +20 points");
    EXPECT_EQ(computer.Completer, ComputerSide);
    EXPECT_EQ(computer.Meld, 3);
    EXPECT_EQ(computer.Pictures[1], "");
    for (const auto& [side, meld] : {std::pair{3, 3}, {0, 3}, {1, 0}, {1, 7}})
        EXPECT_EQ(PrepareMeldInfo(s.game, static_cast<Side>(side), meld), MeldInfo{});
}

TEST_F(MeldsTest, RedKiriAndLightsAnnouncedInTableOrderWithTheirPictures) {
    Give(HumanSide, "jan_5 feb_5 mar_5 jan_20 mar_20 aug_20 nov_20 dec_20 dec_10 dec_5 dec_0");
    CheckMelds(table, HumanSide);
    EXPECT_EQ(host.Calls, (Names{"Meld Player has Akai Tan (Red Tanzaku Strips), +30 points",
                                 "Meld Player has Kiri Complete (Dec), +20 points",
                                 "Meld Player has Lights (kings) Complete, +50 points"}));
    EXPECT_EQ(test::Entries(host.Melds[0]), (Names{"jan_5.bmp", "feb_5.bmp", "mar_5.bmp", "", "",
                                                   host.Melds[0].Announcement, "30"}));
    EXPECT_EQ(test::Entries(host.Melds[2]),
              (Names{"jan_20.bmp", "mar_20.bmp", "aug_20.bmp", "nov_20.bmp", "dec_20.bmp",
                     host.Melds[2].Announcement, "50"}));
    // Cards: three ribbons 15, five lights 100, the other December cards 15; melds 100.
    EXPECT_EQ(s.game.PlayerScore, 15 + 100 + 15 + 30 + 20 + 50);
}

}  // namespace
}  // namespace vm

#include "scoring/melds.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "scoring/captured_piles.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

class MeldsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::PrepareSession(s, host, 0);
        ResetTable(s);
        BuildCardTable(s.game.CardTable, true);
    }
    void Give(int side, std::initializer_list<const char*> cards) {
        for (const char* card : cards)
            CaptureCard(s, side, card, MonthRank(s.game.CardTable, card));
    }

    test::ScriptedHost host;
    Session s{host};
};

TEST_F(MeldsTest, OneCardCompletingTwoMeldsAnnouncesBothInTableOrder) {
    Give(ComputerSide, {"jun_5.bmp", "sep_5.bmp", "oct_10.bmp", "oct_1.bmp", "oct_0.bmp"});
    CheckMelds(s, ComputerSide);
    EXPECT_TRUE(host.Calls.empty());
    const int before = s.game.CPUScore;
    Give(ComputerSide, {"oct_5.bmp"});
    CheckMelds(s, ComputerSide);
    ASSERT_EQ(host.Calls.size(), 2u);
    EXPECT_EQ(host.Calls[0], "Meld Computer has Aoi Tan (Blue Tanzaku Strips), +30 points");
    EXPECT_EQ(host.Calls[1], "Meld Computer has Momiji Complete (Oct), +20 points");
    // Each announcement comes with its own points already added.
    EXPECT_EQ(host.At(0).game.CPUScore, before + 5 + 30);
    EXPECT_EQ(host.At(1).game.CPUScore, before + 5 + 30 + 20);
    EXPECT_EQ(host.At(1).game.MeldFlags[2][2], 1);
    EXPECT_EQ(host.At(0).game.MeldFlags[2][4], 0);
    EXPECT_EQ(s.game.MeldFlags[2][4], 1);
    EXPECT_EQ(host.Melds[0][1], "jun_5.bmp");
    EXPECT_EQ(host.Melds[0][2], "sep_5.bmp");
    EXPECT_EQ(host.Melds[0][3], "oct_5.bmp");
    EXPECT_EQ(host.Melds[0][4], "");
    EXPECT_EQ(host.Melds[0][7], "30");
    EXPECT_EQ(host.Melds[1][1], "oct_10.bmp");
    EXPECT_EQ(host.Melds[1][4], "oct_0.bmp");
    EXPECT_EQ(host.Melds[1][5], "");
    EXPECT_EQ(host.Melds[1][7], "20");

    // A meld is never scored twice.
    const int after = s.game.CPUScore;
    CheckMelds(s, ComputerSide);
    EXPECT_EQ(host.Calls.size(), 2u);
    EXPECT_EQ(s.game.CPUScore, after);
}

TEST_F(MeldsTest, ThreeOfFourEarnNothingAndTheFourthEarnsTwentyOnce) {
    Give(HumanSide, {"may_10.bmp", "may_5.bmp", "may_0.bmp"});
    CheckMelds(s, HumanSide);
    EXPECT_TRUE(host.Melds.empty());
    EXPECT_EQ(s.game.PlayerScore, 15);
    Give(HumanSide, {"may_1.bmp"});
    CheckMelds(s, HumanSide);
    ASSERT_EQ(host.Melds.size(), 1u);
    EXPECT_EQ(host.Melds[0][6], "Player has Shoubu Complete (May), +20 points");
    EXPECT_EQ(s.game.PlayerScore, 35);
    EXPECT_EQ(s.game.MeldFlags[1][3], 1);
    CheckMelds(s, HumanSide);
    EXPECT_EQ(host.Melds.size(), 1u);
    EXPECT_EQ(s.game.PlayerScore, 35);
    // The other side's test sees nothing of it.
    CheckMelds(s, ComputerSide);
    EXPECT_EQ(host.Melds.size(), 1u);
}

TEST_F(MeldsTest, EveryMeldItsTextsPointsAndPictures) {
    Give(HumanSide,
         {"jan_5.bmp", "feb_5.bmp", "mar_5.bmp", "jan_20.bmp", "mar_20.bmp", "aug_20.bmp",
          "nov_20.bmp", "dec_20.bmp", "dec_10.bmp", "dec_5.bmp", "dec_0.bmp"});
    CheckMelds(s, HumanSide);
    ASSERT_EQ(host.Melds.size(), 3u);
    EXPECT_EQ(host.Melds[0][6], "Player has Akai Tan (Red Tanzaku Strips), +30 points");
    EXPECT_EQ(host.Melds[1][6], "Player has Kiri Complete (Dec), +20 points");
    EXPECT_EQ(host.Melds[2][6], "Player has Lights (kings) Complete, +50 points");
    const MeldInfo& lights = host.Melds[2];
    EXPECT_EQ(lights[1], "jan_20.bmp");
    EXPECT_EQ(lights[2], "mar_20.bmp");
    EXPECT_EQ(lights[3], "aug_20.bmp");
    EXPECT_EQ(lights[4], "nov_20.bmp");
    EXPECT_EQ(lights[5], "dec_20.bmp");
    EXPECT_EQ(lights[7], "50");
    EXPECT_EQ(host.Melds[0][3], "mar_5.bmp");
    EXPECT_EQ(host.Melds[0][4], "");
    // Cards: three ribbons 15, five lights 100, the other December cards 15; melds 100.
    EXPECT_EQ(s.game.PlayerScore, 15 + 100 + 15 + 30 + 20 + 50);
    // The label is the caller's to refresh.
    EXPECT_EQ(s.view.lblPlayer, " 130");

    int total = 0;
    for (int meld = 1; meld <= 6; ++meld)
        total += MeldPoints(meld);
    EXPECT_EQ(total, 170);
    EXPECT_EQ(MeldPoints(0), 0);
    EXPECT_EQ(MeldPoints(7), 0);
}

TEST_F(MeldsTest, PrepareMeldInfoOfBadArgumentsIsEmpty) {
    Give(HumanSide, {"may_10.bmp", "may_5.bmp", "may_1.bmp", "may_0.bmp"});
    for (const MeldInfo& info : {PrepareMeldInfo(s.game, 3, 3), PrepareMeldInfo(s.game, 0, 3),
                                 PrepareMeldInfo(s.game, 1, 0), PrepareMeldInfo(s.game, 1, 7)}) {
        for (int entry = 1; entry <= 7; ++entry)
            EXPECT_EQ(info[entry], "") << entry;
    }
    const MeldInfo computer = PrepareMeldInfo(s.game, 2, 3);
    EXPECT_EQ(computer[6], "Computer has Shoubu Complete (May), +20 points");
    EXPECT_EQ(computer[1], "");  // the computer's grid holds none of them
    const int score = s.game.PlayerScore;
    CheckMelds(s, 3);
    CheckMelds(s, 0);
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(s.game.PlayerScore, score);
}

TEST_F(MeldsTest, ResetTableClearsTheFlagsSoAMeldScoresAgainNextGame) {
    Give(HumanSide, {"may_10.bmp", "may_5.bmp", "may_1.bmp", "may_0.bmp"});
    CheckMelds(s, HumanSide);
    ResetTable(s);
    for (int meld = 1; meld <= 6; ++meld)
        EXPECT_EQ(s.game.MeldFlags[1][meld], 0);
    Give(HumanSide, {"may_10.bmp", "may_5.bmp", "may_1.bmp", "may_0.bmp"});
    CheckMelds(s, HumanSide);
    EXPECT_EQ(host.Melds.size(), 2u);
    EXPECT_EQ(s.game.PlayerScore, 35);
}

}  // namespace
}  // namespace vm

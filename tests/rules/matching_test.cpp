#include "rules/matching.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/player_input.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using test::Cards;
using test::CountPlaces;
using test::Layout;
using test::Names;
using test::Split;

const std::string Up = "Sound /prog/Card_up.wav";
const std::string Down = "Sound /prog/Card_down.wav";

// Hand: 1 jan_20 (one match), 2 mar_1 (none), 3 apr_10 (two), 4 jul_5, 5 nov_0 (none).
// Desk: 1 jan_1, 2 apr_5, 3 apr_0, 4 aug_20, 5 oct_10. The human draws may_0 next, which
// matches nothing.
const Layout HumanTurn = {.player = Split("jan_20 mar_1 apr_10 jul_5 nov_0"),
                          .cpu = Split("feb_0 jun_0 sep_0"),
                          .desk = Split("jan_1 apr_5 apr_0 aug_20 oct_10"),
                          .pile = Split("may_0 dec_0")};

class HumanTurnTest : public ::testing::Test {
  protected:
    void SetUp() override { Start(); }
    void Start(const Layout& layout = HumanTurn) {
        test::PrepareSession(s, host, 1);
        test::SetUpTable(s, layout);
        NextTurn(s);
        host.Clear();
    }
    // The table right after the human's hand play, before the pile draw.
    const test::Snapshot& AfterPlay() {
        const test::Snapshot& after = host.At("Play 1");
        EXPECT_TRUE(IsConsistent(after.game));  // counts agree with the compact rows
        EXPECT_EQ(after.game.SelectedHandSlot, 0);
        EXPECT_FALSE(after.game.MatchPending || test::AnyMarker(after.view));
        EXPECT_EQ(CountPlaces(after.view.picDesk, &CardPlace::Enabled), 0);
        return after;
    }
    // True when the input changed nothing of the game or the table and asked nothing of the host.
    template <typename Action>
    bool ChangesNothing(Action action) {
        const auto state = test::PlayState(s.game);
        const TableView view = s.view;
        const std::size_t calls = host.Calls.size();
        action();
        return state == test::PlayState(s.game) && view == s.view && calls == host.Calls.size();
    }
    bool AnyInputChangesNothing() {
        return ChangesNothing([&] {
            for (int slot = 1; slot <= 5; ++slot) {
                picHand_MouseMove(s, slot);
                picHand_Click(s, slot);
            }
            for (int slot = 1; slot <= 16; ++slot)
                picDesk_Click(s, slot);
        });
    }
    void ExpectSelected(int handSlot, std::vector<int> marked) {
        EXPECT_EQ(s.game.SelectedHandSlot, handSlot);
        EXPECT_EQ(s.game.MatchPending, !marked.empty());
        EXPECT_TRUE(s.view.picHandShape[handSlot]);
        EXPECT_EQ(test::CountTrue(s.view.picHandShape), 1);
        EXPECT_EQ(test::CountTrue(s.view.picShape), static_cast<int>(marked.size()));
        EXPECT_EQ(CountPlaces(s.view.picDesk, &CardPlace::Enabled),
                  static_cast<int>(marked.size()));
        for (int slot : marked)
            EXPECT_TRUE(s.view.picShape[slot] && s.view.picDesk[slot].Enabled) << slot;
    }

    test::ScriptedHost host;
    Session s{host};
};

TEST(FindDeskMatches, ListsAscendingSlotsClearsOldEntriesAndNeverWritesAFourth) {
    Game game;
    game.Desk[2] = "jan_20.bmp";
    game.Desk[3] = "feb_0.bmp";
    game.Desk[5] = "jan_5.bmp";
    game.DeskMatchSlots.Fill(9);
    EXPECT_EQ(FindDeskMatches(game, 1), 2);
    EXPECT_EQ(test::All(game.DeskMatchSlots), (std::vector<std::int16_t>{2, 5, 0}));
    EXPECT_EQ(FindDeskMatches(game, 4), 0);
    EXPECT_EQ(test::All(game.DeskMatchSlots), (std::vector<std::int16_t>{0, 0, 0}));
    EXPECT_EQ(FindDeskMatches(game, 13), 0);  // empty slots never match
    game.Desk[9] = "jan_1.bmp";
    game.Desk[16] = "jan_0.bmp";
    EXPECT_EQ(FindDeskMatches(game, 1), 4);
    EXPECT_EQ(test::All(game.DeskMatchSlots), (std::vector<std::int16_t>{2, 5, 9}));
}

TEST_F(HumanTurnTest, H1StoresTheDeskCardThenTheHandCardWithAnUpSoundEach) {
    picHand_MouseMove(s, 1);
    picHand_Click(s, 1);
    EXPECT_EQ(Names(host.Calls.begin(), host.Calls.begin() + 7),
              (Names{Up, Up, "Play 1 jan_20.bmp jan_1.bmp", Down, "Pause 1", Down,
                     "Draw 1 may_0.bmp -"}));
    // First sound: the desk card is stored, shown and gone from the desk. Second sound: the
    // hand card is stored, the hand closes up and the score shows both values.
    const test::Snapshot& first = host.At(0);
    EXPECT_EQ(test::All(first.game.CapturedPiles[1][1]), Split("- - jan_1 -"));
    EXPECT_TRUE(first.view.MonthPiles[1][3].Visible);
    EXPECT_EQ(first.game.Desk[1], "apr_5.bmp");
    const test::Snapshot& second = host.At(1);
    EXPECT_EQ(test::All(second.game.CapturedPiles[1][1]), Split("jan_20 - jan_1 -"));
    EXPECT_EQ(second.game.PlayerHand[1], "mar_1.bmp");
    EXPECT_EQ(second.view.lblPlayer, " 20");
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(Cards(after.game.Desk), Split("apr_5 apr_0 aug_20 oct_10"));
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 2);
}

TEST_F(HumanTurnTest, H2TakesTheClickedDeskCardSilently) {
    picHand_MouseMove(s, 3);
    picDesk_Click(s, 3);
    EXPECT_EQ(host.Calls.at(0), "Play 1 apr_10.bmp apr_0.bmp");
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(test::All(after.game.CapturedPiles[1][4]), Split("apr_10 - - apr_0"));
    EXPECT_EQ(after.view.lblPlayer, " 10");
    EXPECT_EQ(Cards(after.game.Desk), Split("jan_1 apr_5 aug_20 oct_10"));
    EXPECT_TRUE(after.view.MonthPiles[4][1].Visible && after.view.MonthPiles[4][4].Visible);
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 2);
    // The desk card of a single match may be clicked as well.
    Start();
    picHand_MouseMove(s, 1);
    picDesk_Click(s, 1);
    EXPECT_EQ(host.Calls.at(0), "Play 1 jan_20.bmp jan_1.bmp");
}

TEST_F(HumanTurnTest, H3TakesAllThreeSilentlyAndTestsTheMeldsOnce) {
    Start({.player = Split("may_0 jan_0"),
           .cpu = Split("sep_0"),
           .desk = Split("may_10 may_5 may_1 jul_0"),
           .pile = Split("oct_0")});
    picHand_MouseMove(s, 2);
    ExpectSelected(2, {1, 2, 3});
    picHand_Click(s, 2);
    EXPECT_EQ(Names(host.Calls.begin(), host.Calls.begin() + 2),
              (Names{"Meld Player has Shoubu Complete (May), +20 points",
                     "Play 1 may_0.bmp may_10.bmp,may_5.bmp,may_1.bmp"}));
    EXPECT_EQ(host.Count("Meld"), 1);
    // The meld's points are in the score before the dialog; the label follows after it.
    EXPECT_EQ(host.At(0).game.PlayerScore, 35);
    EXPECT_EQ(host.At(0).view.lblPlayer, " 15");
    EXPECT_EQ(test::Entries(host.Melds.at(0)),
              test::MeldEntries("may_10 may_5 may_1 may_0",
                                "Player has Shoubu Complete (May), +20 points", "20"));
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(after.view.lblPlayer, " 35");
    EXPECT_EQ(Cards(after.game.Desk), Split("jul_0"));
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 4);
}

TEST_F(HumanTurnTest, PointerMovesReselectAndRemarkAndOnlyFittingClicksPlay) {
    // Nothing selected yet.
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 1); }));
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 1); }));

    picHand_MouseMove(s, 1);
    ExpectSelected(1, {1});
    picHand_MouseMove(s, 3);
    ExpectSelected(3, {2, 3});
    // Two matches wait for a click on one of them: not the hand card, not an unmarked or
    // empty desk place, not the match of the card pointed at before.
    for (int slot : {1, 4, 9})
        EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, slot); })) << slot;
    EXPECT_TRUE(ChangesNothing([&] { picHand_Click(s, 3); }));
    // Pointing again at the selected card repeats nothing: what a new search and re-marking
    // would restore stays disturbed.
    s.game.DeskMatchSlots[1] = 9;
    s.view.picShape[2] = false;
    EXPECT_TRUE(ChangesNothing([&] { picHand_MouseMove(s, 3); }));

    // From two matches to none: only the new card is marked, the old matches are unclickable.
    picHand_MouseMove(s, 2);
    ExpectSelected(2, {});
    EXPECT_TRUE(ChangesNothing([&] { picDesk_Click(s, 3); }));
    EXPECT_TRUE(host.Calls.empty());
    // H0: any hand click lays the selected card on the desk, with one down sound.
    picHand_Click(s, 4);
    EXPECT_EQ(Names(host.Calls.begin(), host.Calls.begin() + 2),
              (Names{Down, "Play 1 mar_1.bmp -"}));
    const test::Snapshot& after = AfterPlay();
    EXPECT_EQ(Cards(after.game.Desk), Split("jan_1 mar_1 apr_5 apr_0 aug_20 oct_10"));
    EXPECT_EQ(after.view.picDesk[2].Picture, "mar_1.bmp");
    EXPECT_EQ(after.game.PlayerScore, 0);
    EXPECT_EQ(test::VisibleMonthPlaces(after.view), 0);
}

TEST_F(HumanTurnTest, InputDuringThePileDrawAndTheComputersTurnChangesNothingAndIsSilent) {
    int pauses = 0;
    host.OnPause = [&] {
        ++pauses;
        EXPECT_FALSE(s.game.PlayerMayAct);
        // The hand stops accepting clicks when the computer's turn begins.
        if (pauses >= 2) {
            EXPECT_EQ(CountPlaces(s.view.picHand, &CardPlace::Enabled), 0) << pauses;
        }
        EXPECT_TRUE(AnyInputChangesNothing()) << "pause " << pauses;
    };
    s.options.SoundEffectsOn = false;
    picHand_MouseMove(s, 2);
    picHand_Click(s, 2);
    // The human's draw, the computer's reveal and the computer's draw, all silent.
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(host.Count("Play") + host.Count("Draw"), 4);
    EXPECT_EQ(host.Count("Sound"), 0);

    // The human's next turn begins with every card clickable and nothing selected.
    ASSERT_TRUE(s.game.PlayerMayAct);
    EXPECT_EQ(s.game.SelectedHandSlot, 0);
    EXPECT_FALSE(s.game.MatchPending || test::AnyMarker(s.view));
    EXPECT_EQ(CountPlaces(s.view.picDesk, &CardPlace::Enabled), 0);
    EXPECT_EQ(CountPlaces(s.view.picHand, &CardPlace::Enabled), 4);
}

TEST_F(HumanTurnTest, NoGameDealtIgnoresEveryInput) {
    s.game = Game{};
    ResetTable(s);
    EXPECT_TRUE(AnyInputChangesNothing());
}

}  // namespace
}  // namespace vm

#include "rules/matching.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "play/player_input.h"
#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

// Hand: 1 jan_20 (one match), 2 mar_1 (none), 3 apr_10 (two), 4 jul_5, 5 nov_0 (none).
// Desk: 1 jan_1, 2 apr_5, 3 apr_0, 4 aug_20, 5 oct_10. The human draws may_0 next, which
// matches nothing.
const Layout Standard = {.player = Split("jan_20 mar_1 apr_10 jul_5 nov_0"),
                         .cpu = Split("feb_0"),
                         .desk = Split("jan_1 apr_5 apr_0 aug_20 oct_10"),
                         .pile = Split("may_0 dec_0")};

// The human to move: every hand card takes clicks and nothing is selected.
struct HumanTurn : OnTable {
    explicit HumanTurn(const Layout& layout = Standard) : OnTable(layout) { NextTurn(s); }
    // True when the input, or every pointer move and click when none is given, changed nothing
    // of the game or the table and asked nothing of the host.
    bool ChangesNothing(const std::function<void()>& input = {}) {
        const auto state = PlayState(s.game);
        const TableView view = s.view;
        const std::size_t calls = host.Calls.size();
        if (input) input();
        for (int slot = 1; !input && slot <= 16; ++slot) {
            picHand_MouseMove(s, slot % 10 + 1);
            picHand_Click(s, slot % 10 + 1);
            picDesk_Click(s, slot);
        }
        return state == PlayState(s.game) && view == s.view && calls == host.Calls.size();
    }
    // The table right after the human's play, before the pile draw, with the human's score.
    std::string AfterPlay() const {
        const Snapshot& after = host.At("Play 1");
        EXPECT_TRUE(IsConsistent(after.game));
        EXPECT_FALSE(after.game.MatchPending || after.game.SelectedHandSlot != 0);
        return Shown(after.view) + " |" + after.view.lblPlayer;
    }
};

TEST(HumanPlay, EachOutcomeTakesItsCardsWithItsSoundsAndLeavesNothingFramed) {
    struct Case {
        const char* what;
        int pointAt, handClick, deskClick;  // 0: no click there
        Names calls;                        // up to the completed play
        const char *desk, *hand, *taken, *score;
    };
    const Case cases[] = {
        {"H0: no match, one down sound", 2, 4, 0, Names{DownSound, "Play 1 mar_1.bmp -"},
         "jan_1 mar_1 apr_5 apr_0 aug_20 oct_10", "jan_20+ apr_10+ jul_5+ nov_0+", "", " 0"},
        {"H1: one match, the hand card clicked, two up sounds", 1, 1, 0,
         Names{UpSound, UpSound, "Play 1 jan_20.bmp jan_1.bmp"}, "apr_5 apr_0 aug_20 oct_10",
         "mar_1+ apr_10+ jul_5+ nov_0+", " jan_20 jan_1", " 20"},
        {"H2: the clicked one of two, silent", 3, 0, 3, Names{"Play 1 apr_10.bmp apr_0.bmp"},
         "jan_1 apr_5 aug_20 oct_10", "jan_20+ mar_1+ jul_5+ nov_0+", " apr_10 apr_0", " 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HumanTurn t;
        picHand_MouseMove(t.s, c.pointAt);
        if (c.handClick) picHand_Click(t.s, c.handClick);
        if (c.deskClick) picDesk_Click(t.s, c.deskClick);
        EXPECT_EQ(Names(t.host.Calls.begin(), t.host.Calls.begin() + t.host.Find("Play") + 1),
                  c.calls);
        EXPECT_EQ(t.AfterPlay(), std::string("comp back | desk ") + c.desk + " | hand " + c.hand +
                                     " | pile - - | taken" + c.taken + " |" + c.score);
    }
}

// At the first up sound the desk card is already taken, the hand card not yet; at the second
// the table is as the play leaves it.
TEST(HumanPlay, OneMatchByTheHandCardTakesTheDeskCardFirst) {
    HumanTurn t;
    picHand_MouseMove(t.s, 1);
    picHand_Click(t.s, 1);
    EXPECT_EQ(Shown(t.host.At(0).view) + t.host.At(0).view.lblPlayer,
              "comp back | desk apr_5+ apr_0 aug_20 oct_10 | hand jan_20+ mar_1+ apr_10+ jul_5+ "
              "nov_0+ | pile - - | taken jan_1 0");
    EXPECT_EQ(t.host.At(1).view, t.host.At("Play 1").view);
}

TEST(HumanPlay, ThreeMatchesAreTakenSilentlyAndTheMeldAnnouncedBeforeThePlayEnds) {
    HumanTurn t({.player = Split("may_0 jan_0"),
                 .cpu = Split("sep_0"),
                 .desk = Split("may_10 may_5 may_1 jul_0"),
                 .pile = Split("oct_0")});
    picHand_MouseMove(t.s, 2);
    EXPECT_EQ(
        Shown(t.s.view),
        "comp back | desk may_10*+ may_5*+ may_1*+ jul_0 | hand jan_0+ may_0*+ | pile - - | taken");
    picHand_Click(t.s, 2);
    EXPECT_EQ(Names(t.host.Calls.begin(), t.host.Calls.begin() + 2),
              (Names{"Meld Player has Shoubu Complete (May), +20 points",
                     "Play 1 may_0.bmp may_10.bmp,may_5.bmp,may_1.bmp"}));
    // The label shows the meld's points only after its notice.
    EXPECT_EQ(t.host.At(0).view.lblPlayer, " 15");
    EXPECT_EQ(
        t.AfterPlay(),
        "comp back | desk jul_0 | hand jan_0+ | pile - - | taken may_10 may_5 may_1 may_0 | 35");
}

TEST(HumanInput, PointerMovesReselectAndReframeAndOnlyFittingClicksPlay) {
    HumanTurn t;
    Session& s = t.s;
    EXPECT_TRUE(t.ChangesNothing([&] {  // nothing selected yet, and an empty place
        picHand_Click(s, 1);
        picDesk_Click(s, 1);
        picHand_MouseMove(s, 7);
    }));
    picHand_MouseMove(s, 1);
    EXPECT_EQ(Shown(s.view),
              "comp back | desk jan_1*+ apr_5 apr_0 aug_20 oct_10 | hand jan_20*+ mar_1+ apr_10+ "
              "jul_5+ nov_0+ | pile - - | taken");
    picHand_MouseMove(s, 3);
    EXPECT_EQ(Shown(s.view),
              "comp back | desk jan_1 apr_5*+ apr_0*+ aug_20 oct_10 | hand jan_20+ mar_1+ apr_10*+ "
              "jul_5+ nov_0+ | pile - - | taken");
    // Two matches wait for a click on one of them: not the hand card, not an unframed or empty
    // desk place, not the match of the card pointed at before.
    for (int slot : {1, 4, 9}) EXPECT_TRUE(t.ChangesNothing([&] { picDesk_Click(s, slot); }));
    EXPECT_TRUE(t.ChangesNothing([&] { picHand_Click(s, 3); }));
    // Pointing again at the selected card repeats nothing: what a new search and reframing
    // would restore stays disturbed.
    s.game.DeskMatchSlots[1] = 9;
    s.view.picShape[2] = false;
    EXPECT_TRUE(t.ChangesNothing([&] { picHand_MouseMove(s, 3); }));
    // From two matches to none: the old matches are neither framed nor clickable, and a hand
    // click lays the new card on the desk.
    picHand_MouseMove(s, 2);
    EXPECT_EQ(Shown(s.view),
              "comp back | desk jan_1 apr_5 apr_0 aug_20 oct_10 | hand jan_20+ mar_1*+ apr_10+ "
              "jul_5+ nov_0+ | pile - - | taken");
    EXPECT_TRUE(t.ChangesNothing([&] { picDesk_Click(s, 3); }));
    picHand_Click(s, 4);
    EXPECT_EQ(t.host.Calls.at(1), "Play 1 mar_1.bmp -");
}

// Input during the pile draw and the computer's turn changes nothing and is silent, as is any
// input when no game is dealt.
TEST(HumanInput, DuringThePileDrawTheComputersTurnOrNoGameChangesNothing) {
    // The human draws apr_1, which takes apr_5 of two matches: a match is pending in its pause.
    Layout layout = Standard;
    layout.pile = Split("apr_1 dec_0");
    HumanTurn t(layout);
    int pauses = 0;
    t.host.OnPause = [&] {
        ++pauses;
        // The hand stops taking clicks when the computer's turn begins.
        if (pauses >= 2) {
            EXPECT_EQ(Shown(t.s.view).find('+'), std::string::npos) << pauses;
        }
        EXPECT_TRUE(t.ChangesNothing()) << "pause " << pauses;
    };
    t.s.options.SoundEffectsOn = false;
    picHand_MouseMove(t.s, 2);
    picHand_Click(t.s, 2);
    // The human's draw, the computer's reveal and its draw, all silent; then the human's next
    // turn begins with every card clickable and nothing framed.
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(t.host.Count("Sound"), 0);
    EXPECT_EQ(Shown(t.s.view),
              "comp | desk jan_1 feb_0 mar_1 apr_0 aug_20 oct_10 dec_0 | hand jan_20+ apr_10+ "
              "jul_5+ nov_0+ | pile - - | taken apr_5 apr_1");
    t.s.game = Game{};
    ResetTable(t.s);
    EXPECT_TRUE(t.ChangesNothing());
}

}  // namespace
}  // namespace vm::test

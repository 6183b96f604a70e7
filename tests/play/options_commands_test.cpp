#include "play/options_commands.h"

#include <gtest/gtest.h>

#include <array>

#include "play/flow.h"
#include "play/player_input.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

using Marks = std::array<bool, 3>;
using Items = std::array<bool, 6>;

class OptionsMenu : public test::RecordsTest {
protected:
    MenuState& menu = session.view.Menu;

    // Fast, Moderate, Slow.
    Marks SpeedMarks() const {
        return {menu.mnuFast.Checked, menu.mnuModerate.Checked, menu.mnuSlow.Checked};
    }
    // Debug's mark, then the five items it shows.
    Items DebugItems() const {
        return {menu.mnuDebug.Checked,    menu.mnuSep6.Visible, menu.mnuPlayMatch.Visible,
                menu.mnuCPUMatch.Visible, menu.mnuSep5.Visible, menu.mnuDealPile.Visible};
    }
};

TEST_F(OptionsMenu, EachSpeedChecksItsItemAloneAndAnyOtherLeavesTheMarks) {
    const std::pair<std::int16_t, Marks> cases[] = {
        {1, {true, false, false}}, {3, {false, false, true}},  {2, {false, true, false}},
        {0, {false, true, false}}, {-1, {false, true, false}}, {32767, {false, true, false}},
    };
    for (const auto& [speed, marks] : cases) {
        SetDealSpeed(session, speed);
        EXPECT_EQ(session.options.DealSpeed, speed);
        EXPECT_EQ(SpeedMarks(), marks) << speed;
    }
}

TEST_F(OptionsMenu, ApplyShowsTheOptionsEachToggleFlipsItsMarkAndSaveWritesThem) {
    const MenuItemState musicBefore = menu.mnuMusic;
    ApplyOptions(session);
    EXPECT_EQ(SpeedMarks(), (Marks{false, false, true}));
    EXPECT_EQ(menu.mnuMusic, musicBefore);   // the music is started on its own
    session.options.SoundEffectsOn = false;  // the mark, not the stored flag, decides
    for (bool on : {false, true}) {          // from the defaults: suits and sound on, debug off
        mnuSuit_Click(session);
        mnuSound_Click(session);
        mnuDebug_Click(session);
        EXPECT_EQ(menu.mnuSuit.Checked, on);
        EXPECT_EQ(session.options.ShowSuitsAndScores, on);
        EXPECT_EQ(menu.mnuSound.Checked, on);
        EXPECT_EQ(session.options.SoundEffectsOn, on);
        EXPECT_EQ(session.options.DebugMode, !on);
        EXPECT_EQ(DebugItems(), (Items{!on, !on, !on, !on, !on, !on}));
    }

    session.options = {
        .ShowSuitsAndScores = false, .DebugMode = true, .DealSpeed = 0, .SoundEffectsOn = false};
    ApplyOptions(session);
    EXPECT_FALSE(menu.mnuSuit.Checked);
    EXPECT_FALSE(menu.mnuSound.Checked);
    EXPECT_EQ(DebugItems(), (Items{true, true, true, true, true, true}));
    mnuSaveOptions_Click(session);  // writes the options in effect
    EXPECT_EQ(ParseOptions(Read("VELMORIA.INI")).Options, session.options);
}

// A game in progress keeps the picture set it was dealt with until New; Debug turns the
// computer's hand at once, and between games leaves the last game's cards hidden.
TEST_F(OptionsMenu, DuringAGameSuitAndScoresWaitsForNewAndDebugTurnsTheComputersHandAtOnce) {
    ApplyOptions(session);
    session.game.Rng = Random(test::HumanFirstSeed);
    NewGame(session);
    const auto state = test::PlayState(session.game);
    TableView view = session.view;
    mnuSuit_Click(session);
    view.Menu.mnuSuit.Checked = false;
    EXPECT_EQ(session.view, view);
    EXPECT_EQ(test::PlayState(session.game), state);
    mnuDebug_Click(session);
    EXPECT_EQ(session.view.picComp[1].Picture, session.game.CPUHand[1]);
    mnuDebug_Click(session);
    EXPECT_EQ(session.view.picComp[1].Picture, "back.bmp");
    picHand_MouseMove(session, 1);
    picHand_Click(session, 1);
    EXPECT_TRUE(IsConsistent(session.game));
    EXPECT_EQ(test::Shown(session.view).find("o_"), std::string::npos);  // no plain picture

    AbortGame(session);
    mnuDebug_Click(session);
    EXPECT_FALSE(session.view.picComp[1].Visible);
    NewGame(session);
    for (const CardPlace& place : session.view.picHand) EXPECT_TRUE(place.Picture.IsPlain());
}

}  // namespace
}  // namespace vm

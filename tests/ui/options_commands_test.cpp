#include "ui/options_commands.h"

#include <gtest/gtest.h>

#include <array>

#include "game/flow.h"
#include "game/session.h"
#include "records/options_file.h"
#include "tests/records/recording_host.h"
#include "tests/records/scratch_folder.h"

namespace vm {
namespace {

class OptionsMenu : public ::testing::Test {
protected:
    test::RecordingHost host;
    Session session{host};
    MenuState& menu = session.view.Menu;

    // Fast, Moderate, Slow.
    std::array<bool, 3> SpeedMarks() const {
        return {menu.mnuFast.Checked, menu.mnuModerate.Checked, menu.mnuSlow.Checked};
    }
    std::array<bool, 5> DebugItemsVisible() const {
        return {menu.mnuSep6.Visible, menu.mnuPlayMatch.Visible, menu.mnuCPUMatch.Visible,
                menu.mnuSep5.Visible, menu.mnuDealPile.Visible};
    }
};

using Marks = std::array<bool, 3>;
using Items = std::array<bool, 5>;

TEST_F(OptionsMenu, EachSpeedChecksItsItemAlone) {
    SetDealSpeed(session, 1);
    EXPECT_EQ(SpeedMarks(), (Marks{true, false, false}));
    SetDealSpeed(session, 2);
    EXPECT_EQ(SpeedMarks(), (Marks{false, true, false}));
    EXPECT_EQ(session.options.DealSpeed, 2);
    SetDealSpeed(session, 3);
    EXPECT_EQ(SpeedMarks(), (Marks{false, false, true}));
}

TEST_F(OptionsMenu, AnyOtherSpeedIsStoredButLeavesTheMarksAsTheyWere) {
    SetDealSpeed(session, 2);
    for (std::int16_t speed : {0, 4, -1, 32767}) {
        SetDealSpeed(session, speed);
        EXPECT_EQ(session.options.DealSpeed, speed);
        EXPECT_EQ(SpeedMarks(), (Marks{false, true, false})) << speed;
    }
}

TEST_F(OptionsMenu, TheDefaultsCheckSlowSuitAndSoundAndHideTheDebugItems) {
    const MenuItemState musicBefore = menu.mnuMusic;
    ApplyOptions(session);
    EXPECT_EQ(SpeedMarks(), (Marks{false, false, true}));
    EXPECT_TRUE(menu.mnuSuit.Checked);
    EXPECT_TRUE(menu.mnuSound.Checked);
    EXPECT_FALSE(menu.mnuDebug.Checked);
    EXPECT_EQ(DebugItemsVisible(), (Items{}));
    EXPECT_EQ(menu.mnuMusic, musicBefore);  // the music is started on its own
    EXPECT_EQ(menu.mnuAbort.Enabled, false);
}

TEST_F(OptionsMenu, StoredOptionsShowOnTheMenu) {
    session.options.DebugMode = true;
    session.options.ShowSuitsAndScores = false;
    session.options.SoundEffectsOn = false;
    session.options.DealSpeed = 0;
    ApplyOptions(session);
    EXPECT_EQ(SpeedMarks(), (Marks{}));
    EXPECT_FALSE(menu.mnuSuit.Checked);
    EXPECT_FALSE(menu.mnuSound.Checked);
    EXPECT_TRUE(menu.mnuDebug.Checked);
    EXPECT_EQ(DebugItemsVisible(), (Items{true, true, true, true, true}));
}

TEST_F(OptionsMenu, SuitAndSoundToggleTheirMarkAndOptionTogether) {
    ApplyOptions(session);
    mnuSuit_Click(session);
    mnuSound_Click(session);
    EXPECT_FALSE(menu.mnuSuit.Checked);
    EXPECT_FALSE(session.options.ShowSuitsAndScores);
    EXPECT_FALSE(menu.mnuSound.Checked);
    EXPECT_FALSE(session.options.SoundEffectsOn);
    mnuSuit_Click(session);
    mnuSound_Click(session);
    EXPECT_TRUE(session.options.ShowSuitsAndScores);
    EXPECT_TRUE(session.options.SoundEffectsOn);
}

TEST_F(OptionsMenu, TheToggleFollowsTheCheckMarkNotTheStoredFlag) {
    menu.mnuSound.Checked = false;
    session.options.SoundEffectsOn = false;
    mnuSound_Click(session);
    EXPECT_TRUE(session.options.SoundEffectsOn);
    menu.mnuSuit.Checked = true;
    session.options.ShowSuitsAndScores = false;
    mnuSuit_Click(session);
    EXPECT_FALSE(session.options.ShowSuitsAndScores);
}

TEST_F(OptionsMenu, DebugShowsAndHidesTheFiveItems) {
    ApplyOptions(session);
    mnuDebug_Click(session);
    EXPECT_TRUE(session.options.DebugMode);
    EXPECT_TRUE(menu.mnuDebug.Checked);
    EXPECT_EQ(DebugItemsVisible(), (Items{true, true, true, true, true}));
    mnuDebug_Click(session);
    EXPECT_FALSE(session.options.DebugMode);
    EXPECT_EQ(DebugItemsVisible(), (Items{}));
}

TEST_F(OptionsMenu, DebugTurnsTheComputersHandAtOnceDuringAGame) {
    session.game.GameInProgress = true;
    session.game.CPUHand[1] = "jan_20.bmp";
    RedrawZone(session, 2);
    EXPECT_EQ(session.view.picComp[1].Picture, "back.bmp");
    mnuDebug_Click(session);
    EXPECT_EQ(session.view.picComp[1].Picture, "jan_20.bmp");
    mnuDebug_Click(session);
    EXPECT_EQ(session.view.picComp[1].Picture, "back.bmp");
}

TEST_F(OptionsMenu, DebugBetweenGamesKeepsTheLastHandHidden) {
    session.game.CPUHand[1] = "jan_20.bmp";
    mnuDebug_Click(session);
    EXPECT_FALSE(session.view.picComp[1].Visible);
    EXPECT_EQ(session.view.picComp[1].Picture, "");
}

TEST_F(OptionsMenu, SaveOptionsWritesTheOptionsInEffect) {
    test::ScratchFolder folder;
    session.ProgramFolder = folder.Folder();
    SetDealSpeed(session, 1);
    mnuSound_Click(session);
    mnuSaveOptions_Click(session);
    const OptionsReading saved = ParseOptions(folder.Read("VELMORIA.INI"));
    EXPECT_EQ(saved.Options, session.options);
    EXPECT_EQ(saved.Options.DealSpeed, 1);
}

TEST_F(OptionsMenu, SaveOptionsIntoAFolderThatCannotTakeItTellsThePlayerOnce) {
    test::ScratchFolder folder;
    folder.Write("program", "");
    session.ProgramFolder = folder.Path("program/");
    mnuSaveOptions_Click(session);
    mnuSaveOptions_Click(session);
    EXPECT_EQ(host.Messages.size(), 1u);
}

}  // namespace
}  // namespace vm

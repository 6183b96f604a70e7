#include "ui/music.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/music_session.h"

namespace vm {
namespace {

using Commands = std::vector<std::string>;

const std::string Open = "OPEN /games/velmoria/haiku.mid TYPE SEQUENCER ALIAS BackgroundMusic";
const std::string Status = "STATUS BackgroundMusic MODE";
const std::string Play = "PLAY BackgroundMusic FROM 0";
const std::string Close = "CLOSE BackgroundMusic";

// Records every command and answers mode queries from a script ("" once it runs out).
class RecordingDevice : public MusicDevice {
public:
    std::string Send(const std::string& command) override {
        sent.push_back(command);
        if (command.rfind("STATUS", 0) != 0 || modes.empty()) {
            return "";
        }
        std::string mode = modes.front();
        modes.pop_front();
        return mode;
    }
    Commands TakeSent() { return std::exchange(sent, {}); }

    std::deque<std::string> modes;
    Commands sent;
};

class MusicTest : public ::testing::Test {
protected:
    MusicTest() { session.ProgramFolder = "/games/velmoria/"; }

    void StartWithMusic(bool on) {
        session.options.BackgroundMusicOn = on;
        StartMusic(session, device);
    }

    QuietHost host;
    Session session{host};
    RecordingDevice device;
};

TEST_F(MusicTest, StartUpWithMusicOnOpensTheTrackAndTicksTheMenu) {
    StartWithMusic(true);
    EXPECT_EQ(device.TakeSent(), Commands{Open});
    EXPECT_TRUE(session.music.MusicPlaying);
    EXPECT_EQ(session.music.MusicTrackPath, "/games/velmoria/haiku.mid");
    EXPECT_TRUE(session.view.Menu.mnuMusic.Checked);
}

TEST_F(MusicTest, StartUpWithMusicOffSendsNothingAndTicksNeverAsk) {
    session.view.Menu.mnuMusic.Checked = true;
    StartWithMusic(false);
    Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{});
    EXPECT_FALSE(session.music.MusicPlaying);
    EXPECT_FALSE(session.view.Menu.mnuMusic.Checked);
    EXPECT_EQ(session.music.MusicTrackPath, "/games/velmoria/haiku.mid");
}

TEST_F(MusicTest, TickPlaysFromTheStartOnlyWhenTheTrackHasStopped) {
    StartWithMusic(true);
    device.TakeSent();
    device.modes = {"stopped", "playing", "Stopped at end", "paused", "", "STOPPED"};
    for (int tick = 0; tick < 6; ++tick) {
        Timer1_Tick(session, device);
    }
    EXPECT_EQ(device.TakeSent(), (Commands{Status, Play, Status, Status, Play, Status, Status,
                                           Status, Play}));
}

TEST_F(MusicTest, ModeRepliesThatOnlyResembleStoppedLeaveTheTrackAlone) {
    StartWithMusic(true);
    device.TakeSent();
    device.modes = {"stoppe", " stopped", "stop"};
    for (int tick = 0; tick < 3; ++tick) {
        Timer1_Tick(session, device);
    }
    EXPECT_EQ(device.TakeSent(), (Commands{Status, Status, Status}));
}

TEST_F(MusicTest, SwitchingMusicOffClosesTheTrackAndSilencesTheTicks) {
    StartWithMusic(true);
    device.TakeSent();
    mnuMusic_Click(session, device);
    device.modes = {"stopped"};
    Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{Close});
    EXPECT_FALSE(session.options.BackgroundMusicOn);
    EXPECT_FALSE(session.view.Menu.mnuMusic.Checked);
    EXPECT_FALSE(session.music.MusicPlaying);
}

TEST_F(MusicTest, SwitchingMusicBackOnReopensAndTheNextTickPlaysFromTheStart) {
    StartWithMusic(false);
    mnuMusic_Click(session, device);
    device.modes = {"stopped"};
    Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), (Commands{Open, Status, Play}));
    EXPECT_TRUE(session.options.BackgroundMusicOn);
    EXPECT_TRUE(session.view.Menu.mnuMusic.Checked);
    EXPECT_TRUE(session.music.MusicPlaying);
}

TEST_F(MusicTest, AnotherTrackWhilePlayingReplacesTheOldOne) {
    StartWithMusic(true);
    device.TakeSent();
    session.options.MusicTrack = "sakura.mid";
    session.music.MusicTrackChanged = true;
    AfterMusicDialog(session, device);
    EXPECT_EQ(device.TakeSent(),
              (Commands{Close, "OPEN /games/velmoria/sakura.mid TYPE SEQUENCER ALIAS "
                               "BackgroundMusic"}));
    EXPECT_EQ(session.music.MusicTrackPath, "/games/velmoria/sakura.mid");
    EXPECT_TRUE(session.music.MusicPlaying);
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

TEST_F(MusicTest, AnotherTrackWithMusicOffIsOnlyRememberedUntilMusicComesOn) {
    StartWithMusic(false);
    session.options.MusicTrack = "sakura.mid";
    session.music.MusicTrackChanged = true;
    AfterMusicDialog(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{});
    EXPECT_FALSE(session.music.MusicTrackChanged);

    mnuMusic_Click(session, device);
    EXPECT_EQ(device.TakeSent(),
              Commands{"OPEN /games/velmoria/sakura.mid TYPE SEQUENCER ALIAS BackgroundMusic"});
}

TEST_F(MusicTest, ClosingTheDialogAgainWithoutAChoiceLeavesTheMusicAlone) {
    StartWithMusic(true);
    session.options.MusicTrack = "sakura.mid";
    session.music.MusicTrackChanged = true;
    AfterMusicDialog(session, device);
    device.TakeSent();
    AfterMusicDialog(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{});
}

TEST_F(MusicTest, ShutdownClosesTheTrackWhetherOrNotMusicIsOn) {
    StartWithMusic(true);
    device.TakeSent();
    StopMidi(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{Close});
    EXPECT_FALSE(session.music.MusicPlaying);

    StopMidi(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{Close});
}

TEST_F(MusicTest, TrackInAFolderWithBlanksIsOpenedInQuotes) {
    session.ProgramFolder = "/home/aiko/My Games/velmoria/";
    session.options.MusicTrack = "spring rain.mid";
    StartWithMusic(true);
    EXPECT_EQ(device.TakeSent(),
              Commands{"OPEN \"/home/aiko/My Games/velmoria/spring rain.mid\" TYPE SEQUENCER "
                       "ALIAS BackgroundMusic"});
}

}  // namespace
}  // namespace vm

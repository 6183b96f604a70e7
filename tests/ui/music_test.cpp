#include "ui/music.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using Commands = std::vector<std::string>;

const std::string Open = "OPEN /games/velmoria/haiku.mid TYPE SEQUENCER ALIAS BackgroundMusic";
const std::string OpenSakura =
    "OPEN /games/velmoria/sakura.mid TYPE SEQUENCER ALIAS BackgroundMusic";
const std::string Status = "STATUS BackgroundMusic MODE";
const std::string Play = "PLAY BackgroundMusic FROM 0";
const std::string Close = "CLOSE BackgroundMusic";

// Records every command and answers mode queries from a script ("" once it runs out).
class RecordingDevice : public MusicDevice {
public:
    std::string Send(const std::string& command) override {
        sent.push_back(command);
        if (command.rfind("STATUS", 0) != 0 || modes.empty()) return "";
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
    void ChooseSakura() {
        session.options.MusicTrack = "sakura.mid";
        session.music.MusicTrackChanged = true;
        AfterMusicDialog(session, device);
    }

    test::RecordingHost host;
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
    // Replies that only resemble "stopped" leave the track alone.
    device.modes = {"stopped", "playing", "Stopped at end", "paused", "", "STOPPED",
                    "stoppe",  " stopped", "stop"};
    for (int tick = 0; tick < 9; ++tick) Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), (Commands{Status, Play, Status, Status, Play, Status, Status,
                                           Status, Play, Status, Status, Status}));
}

TEST_F(MusicTest, TogglingClosesAndReopensTheTrackAndTheNextTickPlaysFromTheStart) {
    StartWithMusic(true);
    device.TakeSent();
    mnuMusic_Click(session, device);
    device.modes = {"stopped"};
    Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{Close});
    EXPECT_FALSE(session.options.BackgroundMusicOn);
    EXPECT_FALSE(session.view.Menu.mnuMusic.Checked);
    EXPECT_FALSE(session.music.MusicPlaying);

    mnuMusic_Click(session, device);
    Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), (Commands{Open, Status, Play}));
    EXPECT_TRUE(session.options.BackgroundMusicOn);
    EXPECT_TRUE(session.view.Menu.mnuMusic.Checked);
    EXPECT_TRUE(session.music.MusicPlaying);
}

TEST_F(MusicTest, AnotherTrackWhilePlayingReplacesTheOldOneOnce) {
    StartWithMusic(true);
    device.TakeSent();
    ChooseSakura();
    EXPECT_EQ(device.TakeSent(), (Commands{Close, OpenSakura}));
    EXPECT_EQ(session.music.MusicTrackPath, "/games/velmoria/sakura.mid");
    EXPECT_TRUE(session.music.MusicPlaying);
    EXPECT_FALSE(session.music.MusicTrackChanged);
    AfterMusicDialog(session, device);  // the dialog closed again without a choice
    EXPECT_EQ(device.TakeSent(), Commands{});
}

TEST_F(MusicTest, AnotherTrackWithMusicOffIsOnlyRememberedUntilMusicComesOn) {
    StartWithMusic(false);
    ChooseSakura();
    EXPECT_EQ(device.TakeSent(), Commands{});
    EXPECT_FALSE(session.music.MusicTrackChanged);
    mnuMusic_Click(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{OpenSakura});
}

TEST_F(MusicTest, ShutdownClosesTheTrackWhetherOrNotMusicIsOn) {
    StartWithMusic(true);
    device.TakeSent();
    for (int time = 0; time < 2; ++time) {
        StopMidi(session, device);
        EXPECT_EQ(device.TakeSent(), Commands{Close});
        EXPECT_FALSE(session.music.MusicPlaying);
    }
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

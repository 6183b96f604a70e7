#include "play/music.h"

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
    void Choose(const char* track) {
        session.options.MusicTrack = track;
        session.music.MusicTrackChanged = true;
        AfterMusicDialog(session, device);
    }

    test::ScriptedHost host;
    Session session{host};
    RecordingDevice device;
};

TEST_F(MusicTest, StartUpOpensTheTrackOnlyWithMusicOnAndTicksTheMenuToMatch) {
    for (bool on : {false, true}) {
        session.view.Menu.mnuMusic.Checked = !on;
        StartWithMusic(on);
        Timer1_Tick(session, device);  // asks the mode only while the music plays
        EXPECT_EQ(device.TakeSent(), (on ? Commands{Open, Status} : Commands{}));
        EXPECT_EQ(session.music.MusicPlaying, on);
        EXPECT_EQ(session.view.Menu.mnuMusic.Checked, on);
        EXPECT_EQ(session.music.MusicTrackPath, "/games/velmoria/haiku.mid");
    }
}

TEST_F(MusicTest, TickPlaysFromTheStartOnlyWhenTheTrackHasStopped) {
    StartWithMusic(true);
    device.TakeSent();
    // Replies that only resemble "stopped" leave the track alone.
    device.modes = {"stopped", "playing", "Stopped at end", "paused", "",
                    "STOPPED", "stoppe",  " stopped",       "stop"};
    for (int tick = 0; tick < 9; ++tick) Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), (Commands{Status, Play, Status, Status, Play, Status, Status,
                                           Status, Play, Status, Status, Status}));
}

TEST_F(MusicTest, TogglingClosesAndReopensTheTrackAndShutdownAlwaysClosesIt) {
    StartWithMusic(true);
    device.TakeSent();
    for (bool on : {false, true}) {  // the tick after reopening plays from the start
        mnuMusic_Click(session, device);
        device.modes = {"stopped"};
        Timer1_Tick(session, device);
        EXPECT_EQ(device.TakeSent(), (on ? Commands{Open, Status, Play} : Commands{Close}));
        EXPECT_EQ(session.options.BackgroundMusicOn, on);
        EXPECT_EQ(session.view.Menu.mnuMusic.Checked, on);
        EXPECT_EQ(session.music.MusicPlaying, on);
    }
    for (int time = 0; time < 2; ++time) {  // shutdown closes the track, music on or not
        StopMidi(session, device);
        EXPECT_EQ(device.TakeSent(), Commands{Close});
        EXPECT_FALSE(session.music.MusicPlaying);
    }
}

TEST_F(MusicTest, AnotherTrackWaitsWhileMusicIsOffAndReplacesAPlayingOneOnce) {
    StartWithMusic(false);
    Choose("sakura.mid");
    EXPECT_EQ(device.TakeSent(), Commands{});
    EXPECT_FALSE(session.music.MusicTrackChanged);
    mnuMusic_Click(session, device);
    EXPECT_EQ(device.TakeSent(), Commands{OpenSakura});

    Choose("haiku.mid");
    EXPECT_EQ(device.TakeSent(), (Commands{Close, Open}));
    EXPECT_EQ(session.music.MusicTrackPath, "/games/velmoria/haiku.mid");
    EXPECT_TRUE(session.music.MusicPlaying);
    EXPECT_FALSE(session.music.MusicTrackChanged);
    AfterMusicDialog(session, device);  // the dialog closed again without a choice
    EXPECT_EQ(device.TakeSent(), Commands{});
}

}  // namespace
}  // namespace vm

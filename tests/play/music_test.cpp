// The background music: the commands sent to the device from the menu, the timer, start-up,
// shutdown and the Music dialog, and the tracks that dialog lists.
#include "play/music.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "play/music_dialog_model.h"
#include "play/music_tracks.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using Names = std::vector<std::string>;

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
    Names TakeSent() { return std::exchange(sent, {}); }

    std::deque<std::string> modes;
    Names sent;
};

class MusicTest : public test::RecordsTest {
protected:
    void StartWithMusic(bool on) {
        session.options.BackgroundMusicOn = on;
        StartMusic(session, device);
    }
    void Choose(const char* track) {
        session.options.MusicTrack = track;
        session.music.MusicTrackChanged = true;
        AfterMusicDialog(session, device);
    }
    void AddTracks(const Names& names) {
        for (const std::string& name : names) Write(name, "MThd");
    }
    // What opening a track of the program's folder sends.
    std::string Open(const std::string& track) const {
        return "OPEN " + Path(track) + " TYPE SEQUENCER ALIAS BackgroundMusic";
    }

    RecordingDevice device;
};

TEST_F(MusicTest, StartUpOpensTheTrackOnlyWithMusicOnAndTicksTheMenuToMatch) {
    for (bool on : {false, true}) {
        session.view.Menu.mnuMusic.Checked = !on;
        StartWithMusic(on);
        Timer1_Tick(session, device);  // asks the mode only while the music plays
        EXPECT_EQ(device.TakeSent(), (on ? Names{Open("haiku.mid"), Status} : Names{}));
        EXPECT_EQ(session.view.Menu.mnuMusic.Checked, on);
        EXPECT_EQ(session.music.MusicTrackPath, Path("haiku.mid"));
    }
}

TEST_F(MusicTest, TickPlaysFromTheStartOnlyWhenTheTrackHasStopped) {
    StartWithMusic(true);
    device.TakeSent();
    // Replies that only resemble "stopped" leave the track alone.
    device.modes = {"stopped", "playing", "Stopped at end", "paused", "",
                    "STOPPED", "stoppe",  " stopped",       "stop"};
    for (int tick = 0; tick < 9; ++tick) Timer1_Tick(session, device);
    EXPECT_EQ(device.TakeSent(), (Names{Status, Play, Status, Status, Play, Status, Status, Status,
                                        Play, Status, Status, Status}));
}

TEST_F(MusicTest, TogglingClosesAndReopensTheTrackAndShutdownAlwaysClosesIt) {
    StartWithMusic(true);
    device.TakeSent();
    for (bool on : {false, true}) {  // the tick after reopening plays from the start
        mnuMusic_Click(session, device);
        device.modes = {"stopped"};
        Timer1_Tick(session, device);
        EXPECT_EQ(device.TakeSent(), (on ? Names{Open("haiku.mid"), Status, Play} : Names{Close}));
        EXPECT_EQ(session.options.BackgroundMusicOn, on);
        EXPECT_EQ(session.view.Menu.mnuMusic.Checked, on);
    }
    for (int time = 0; time < 2; ++time) {  // shutdown closes the track, music on or not
        StopMidi(session, device);
        EXPECT_EQ(device.TakeSent(), Names{Close});
        EXPECT_FALSE(session.music.MusicPlaying);
    }
}

TEST_F(MusicTest, AnotherTrackWaitsWhileMusicIsOffAndReplacesAPlayingOneOnce) {
    StartWithMusic(false);
    Choose("sakura.mid");
    EXPECT_EQ(device.TakeSent(), Names{});
    EXPECT_FALSE(session.music.MusicTrackChanged);
    mnuMusic_Click(session, device);
    EXPECT_EQ(device.TakeSent(), Names{Open("sakura.mid")});

    Choose("haiku.mid");
    EXPECT_EQ(device.TakeSent(), (Names{Close, Open("haiku.mid")}));
    AfterMusicDialog(session, device);  // the dialog closed again without a choice
    EXPECT_EQ(device.TakeSent(), Names{});
}

// The player's own tracks join the list, and one of them is played before a shipped one of the
// same name.
TEST_F(MusicTest, TheDialogListsLowerCaseMidFilesOfBothFoldersWithTheCurrentTrackElseTheFirst) {
    std::filesystem::create_directories(Path("own"));
    AddTracks({"sakura.mid", "haiku.mid", "LOUD.MID", "Loud.Mid", "notes.midi", "readme.txt",
               "a mid", "with blanks.mid", "own/haiku.mid", "own/my.mid"});
    std::filesystem::create_directory(Path("folder.mid"));
    EXPECT_EQ(FindMusicTracks(Path("gone/")), Names{});
    session.DataFolder = Path("own/");
    EXPECT_EQ(MusicDialogModel(session).Entries(),
              (Names{"haiku.mid", "my.mid", "sakura.mid", "with blanks.mid"}));
    session.options.MusicTrack = "sakura.mid";
    EXPECT_EQ(MusicDialogModel(session).Selected(), 2u);
    session.options.MusicTrack = "SAKURA.mid";
    EXPECT_EQ(MusicDialogModel(session).Selected(), 0u);
    EXPECT_EQ(MusicTrackFile(session, "haiku.mid"), Path("own/haiku.mid"));
    EXPECT_EQ(MusicTrackFile(session, "sakura.mid"), Path("sakura.mid"));
    EXPECT_EQ(MusicTrackFile(session, "gone.mid"), Path("gone.mid"));
}

// The dialog's own tests click the other cases.
TEST_F(MusicTest, OkOnTheCurrentTrackBeyondTheListOrOnAnEmptyListChangesNothing) {
    MusicDialogModel empty(session);
    EXPECT_FALSE(empty.Selected().has_value());
    empty.Select(0);
    empty.cmdOK_Click();
    empty.lvwTrack_DblClick();

    AddTracks({"haiku.mid", "sakura.mid"});
    for (std::size_t index : {0u, 2u}) {
        MusicDialogModel model(session);
        model.Select(index);
        model.cmdOK_Click();
        EXPECT_EQ(model.Selected(), 0u);
    }
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

}  // namespace
}  // namespace vm

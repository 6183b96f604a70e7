#include "play/music_dialog_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "play/music_tracks.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using Names = std::vector<std::string>;

class MusicDialogModelTest : public test::RecordsTest {
protected:
    void AddFiles(const Names& names) {
        for (const std::string& name : names) Write(name, "MThd");
    }
};

TEST_F(MusicDialogModelTest, ListsLowerCaseMidFilesByNameWithTheCurrentTrackSelectedElseTheFirst) {
    AddFiles({"sakura.mid", "haiku.mid", "LOUD.MID", "Loud.Mid", "notes.midi", "readme.txt",
              "a mid", "with blanks.mid"});
    std::filesystem::create_directory(Path("folder.mid"));
    EXPECT_EQ(FindMusicTracks(session.ProgramFolder),
              (Names{"haiku.mid", "sakura.mid", "with blanks.mid"}));
    EXPECT_EQ(FindMusicTracks(Path("gone/")), Names{});
    session.options.MusicTrack = "sakura.mid";
    EXPECT_EQ(MusicDialogModel(session).Selected(), 1u);
    session.options.MusicTrack = "SAKURA.mid";
    EXPECT_EQ(MusicDialogModel(session).Selected(), 0u);
}

// The dialog's own tests click the other cases.
TEST_F(MusicDialogModelTest, OkOnTheCurrentTrackBeyondTheListOrOnAnEmptyListChangesNothing) {
    AddFiles({"readme.txt"});
    MusicDialogModel empty(session);
    EXPECT_TRUE(empty.Entries().empty());
    EXPECT_FALSE(empty.Selected().has_value());
    empty.Select(0);
    empty.cmdOK_Click();
    empty.lvwTrack_DblClick();

    AddFiles({"haiku.mid", "sakura.mid"});
    for (std::size_t index : {0u, 2u}) {
        MusicDialogModel model(session);
        model.Select(index);
        model.cmdOK_Click();
        EXPECT_EQ(model.Selected(), 0u);
    }
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogModelTest, ThePlayersOwnTracksJoinTheListAndArePlayedBeforeShippedOnesAlike) {
    std::filesystem::create_directories(Path("own"));
    AddFiles({"haiku.mid", "sakura.mid", "own/haiku.mid", "own/my.mid"});
    session.DataFolder = Path("own/");
    EXPECT_EQ(MusicDialogModel(session).Entries(), (Names{"haiku.mid", "my.mid", "sakura.mid"}));
    EXPECT_EQ(MusicTrackFile(session, "haiku.mid"), Path("own/haiku.mid"));
    EXPECT_EQ(MusicTrackFile(session, "sakura.mid"), Path("sakura.mid"));
    EXPECT_EQ(MusicTrackFile(session, "gone.mid"), Path("gone.mid"));
}

}  // namespace
}  // namespace vm

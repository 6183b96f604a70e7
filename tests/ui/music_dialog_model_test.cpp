#include "ui/music_dialog_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "tests/ui/music_session.h"

namespace vm {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class MusicDialogModelTest : public ::testing::Test {
protected:
    MusicDialogModelTest() {
        folder = fs::temp_directory_path() /
                 ("velmoria_music_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        session.ProgramFolder = folder.string() + "/";
        session.options.MusicTrack = "haiku.mid";
    }
    ~MusicDialogModelTest() override { fs::remove_all(folder); }

    void AddFiles(const Names& names) {
        for (const std::string& name : names) {
            std::ofstream(folder / name) << "MThd";
        }
    }

    fs::path folder;
    QuietHost host;
    Session session{host};
};

TEST_F(MusicDialogModelTest, ListsOnlyLowerCaseMidFilesSortedByName) {
    AddFiles({"sakura.mid", "haiku.mid", "LOUD.MID", "Loud.Mid", "notes.midi", "readme.txt",
              "a mid", "with blanks.mid"});
    fs::create_directory(folder / "folder.mid");
    EXPECT_EQ(FindMusicTracks(session.ProgramFolder),
              (Names{"haiku.mid", "sakura.mid", "with blanks.mid"}));
}

TEST_F(MusicDialogModelTest, MissingFolderListsNothing) {
    EXPECT_EQ(FindMusicTracks(session.ProgramFolder + "gone/"), Names{});
}

TEST_F(MusicDialogModelTest, OpensWithTheCurrentTrackSelected) {
    AddFiles({"autumn.mid", "haiku.mid", "sakura.mid"});
    MusicDialogModel model(session);
    EXPECT_EQ(model.Selected(), 1u);
}

TEST_F(MusicDialogModelTest, OpensWithTheFirstTrackWhenTheCurrentOneIsGone) {
    AddFiles({"sakura.mid", "autumn.mid", "HAIKU.mid"});
    MusicDialogModel model(session);
    ASSERT_EQ(model.Selected(), 0u);
    EXPECT_EQ(model.Entries()[0], "HAIKU.mid");
}

TEST_F(MusicDialogModelTest, OkOnTheCurrentTrackChangesNothing) {
    AddFiles({"haiku.mid", "sakura.mid"});
    MusicDialogModel model(session);
    model.cmdOK_Click();
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogModelTest, OkOnAnotherTrackMakesItCurrent) {
    AddFiles({"haiku.mid", "sakura.mid"});
    MusicDialogModel model(session);
    model.Select(1);
    model.cmdOK_Click();
    EXPECT_EQ(session.options.MusicTrack, "sakura.mid");
    EXPECT_TRUE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogModelTest, DoubleClickMarksAChangeEvenForTheSameTrack) {
    AddFiles({"haiku.mid", "sakura.mid"});
    MusicDialogModel model(session);
    model.lvwTrack_DblClick();
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_TRUE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogModelTest, SelectingBeyondTheListKeepsTheSelection) {
    AddFiles({"haiku.mid", "sakura.mid"});
    MusicDialogModel model(session);
    model.Select(2);
    model.cmdOK_Click();
    EXPECT_EQ(model.Selected(), 0u);
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogModelTest, EmptyListClosesWithoutAChange) {
    AddFiles({"readme.txt"});
    MusicDialogModel model(session);
    EXPECT_TRUE(model.Entries().empty());
    EXPECT_FALSE(model.Selected().has_value());
    model.Select(0);
    model.cmdOK_Click();
    model.lvwTrack_DblClick();
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

}  // namespace
}  // namespace vm

// Both data files: created at the first start beside the program or in the player's private
// folders, never damaged by reading or by a failed save, rewritten only by a save.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "records/data_folders.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using DataFiles = test::RecordsTest;
using Names = std::vector<std::string>;

TEST_F(DataFiles, FirstStartCreatesBothDefaultFilesBesideOnesInOtherLetterCase) {
    Write("Velmoria.ini", "[debug]=on\r\n");
    Write("vmscores.dat", "Ann\\57|05/12/2026\r\n");
    session.options.DebugMode = true;
    ReadOptions(session);
    ReadHighScores(session);
    EXPECT_EQ(session.options, GameOptions{});
    EXPECT_EQ(session.highScores, PlaceholderTable());
    EXPECT_EQ(ParseHighScores(test::PlaceholderScoresFile()), PlaceholderTable());
    EXPECT_EQ(Read("VELMORIA.INI"), test::DefaultOptionsFile);
    EXPECT_EQ(Read("VMSCORES.DAT"), test::PlaceholderScoresFile());
    EXPECT_EQ(Read("Velmoria.ini"), "[debug]=on\r\n");
    EXPECT_EQ(Read("vmscores.dat"), "Ann\\57|05/12/2026\r\n");
    EXPECT_EQ(Contents(), (Names{"VELMORIA.INI", "VMSCORES.DAT", "Velmoria.ini", "vmscores.dat"}));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(DataFiles, FirstStartMakesThePlayersPrivateFoldersAndWritesNothingBesideTheProgram) {
    session.ConfigFolder = Path("home/.config/velmoria/");
    session.DataFolder = Path("home/.local/share/velmoria/");
    ReadOptions(session);
    ReadHighScores(session);
    EXPECT_EQ(Read("home/.config/velmoria/VELMORIA.INI"), test::DefaultOptionsFile);
    EXPECT_EQ(Read("home/.local/share/velmoria/VMSCORES.DAT"), test::PlaceholderScoresFile());
    EXPECT_EQ(Contents(), Names{"home"});
    struct stat made;
    EXPECT_EQ(::stat(Path("home/.local").c_str(), &made) == 0 ? made.st_mode & 0777 : 0, 0700u);
}

// Unreadable files give the defaults; each file that cannot be saved (the defaults at the first
// start included) is told once, by name and reason; the game keeps its data.
TEST_F(DataFiles, AnUnwritableFolderIsToldOncePerFileAndTheDataStaysInMemory) {
    Write("program", "a file, not a folder");
    session.ProgramFolder = Path("program/");
    session.options.DealSpeed = 2;
    ReadHighScores(session);
    ReadOptions(session);
    EXPECT_EQ(session.options, GameOptions{});
    EXPECT_EQ(session.highScores, PlaceholderTable());
    session.highScores[1] = {"Ann", 57, "05/12/2026"};
    session.options.DealSpeed = 1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(WriteHighScores(session));
        EXPECT_FALSE(WriteOptions(session));
    }
    EXPECT_EQ(session.highScores[1].Name, "Ann");
    EXPECT_EQ(session.options.DealSpeed, 1);
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_NE(host.Messages[0].find(Path("program/VMSCORES.DAT")), std::string::npos);
    EXPECT_NE(host.Messages[1].find(Path("program/VELMORIA.INI")), std::string::npos);
    EXPECT_NE(host.Messages[1].find("Not a directory"), std::string::npos);
    EXPECT_EQ(Read("program"), "a file, not a folder");
}

// What the game reads of a file that lacks lines stands until the next save writes them all.
TEST_F(DataFiles, AShortFileIsReadAsItIsAndCompletedOnlyByTheNextSave) {
    const std::string scores = "A\\30|d1\r\nB\\20|d2\r\nC\\10|d3";
    Write("VMSCORES.DAT", scores);
    Write("VELMORIA.INI", "[debug]=on\n");
    session.music.MusicTrackChanged = true;
    ReadHighScores(session);
    ReadOptions(session);
    EXPECT_EQ(session.highScores[3], (HighScoreEntry{"C", 10, "d3"}));
    for (int row = 4; row <= 10; ++row) EXPECT_EQ(session.highScores[row], HighScoreEntry{});
    EXPECT_TRUE(session.options.DebugMode);
    EXPECT_TRUE(session.music.MusicTrackChanged);  // no track line was read
    EXPECT_EQ(Read("VMSCORES.DAT") + Read("VELMORIA.INI"), scores + "[debug]=on\n");

    EXPECT_TRUE(WriteHighScores(session) && WriteOptions(session));
    std::string completed = test::PlaceholderScoresFile(), options = test::DefaultOptionsFile;
    completed.replace(0, completed.find("Player 4"), scores + "\r\n");
    options.replace(options.find("[debug]=off"), 11, "[debug]=on");
    EXPECT_EQ(Read("VMSCORES.DAT"), completed);
    EXPECT_EQ(Read("VELMORIA.INI"), options);
    ReadOptions(session);  // now with its track line
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

// Beside a program that has its pictures, else installed with the player's XDG folders.
TEST_F(DataFiles, ArePortableBesideThePicturesElseInstalledWithTheXdgFoldersSetOrNot) {
    std::filesystem::create_directories(Path("usr/games"));
    std::filesystem::create_directories(Path("usr/share/velmoria"));
    const std::string games = Path("usr/games/"), shared = Path("usr/share/velmoria/");
    const FolderSearch missing = FindDataFolders(Path("usr/games"), {"/ann", "", ""});
    EXPECT_EQ(missing.Tried, (Names{games, shared}));
    EXPECT_FALSE(missing.Found);

    Write("usr/share/velmoria/background.jpg", "picture");
    const DataFolders unset = FindDataFolders(games, {"/ann", "", ""}).Found.value();
    EXPECT_EQ(unset.Assets + " " + unset.Config + " " + unset.Data,
              shared + " /ann/.config/velmoria/ /ann/.local/share/velmoria/");
    const DataFolders set = FindDataFolders(games, {"/ann", "/cfg/", "/data"}).Found.value();
    EXPECT_EQ(set.Config + " " + set.Data, "/cfg/velmoria/ /data/velmoria/");
    // A relative value is no base folder: the default stands in for it.
    EXPECT_EQ(FindDataFolders(games, {"/h", "cfg", ""}).Found.value().Config,
              "/h/.config/velmoria/");

    Write("usr/games/background.jpg", "picture");
    const DataFolders portable = FindDataFolders(games, {"/ann", "/cfg", "/data"}).Found.value();
    EXPECT_EQ(portable.Assets + portable.Config + portable.Data, games + games + games);
}

}  // namespace
}  // namespace vm

// Beside a program that has its pictures, else installed with the player's XDG folders, made
// private to the player at the first save.
#include "records/data_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using Folders = test::RecordsTest;

TEST_F(Folders, PortableBesideThePicturesElseInstalledWithTheXdgFoldersSetOrNot) {
    std::filesystem::create_directories(folder.Path("usr/games"));
    std::filesystem::create_directories(folder.Path("usr/share/velmoria"));
    const std::string games = folder.Path("usr/games/"),
                      shared = folder.Path("usr/share/velmoria/");
    const FolderSearch missing = FindDataFolders(folder.Path("usr/games"), {"/ann", "", ""});
    EXPECT_EQ(missing.Tried, (std::vector<std::string>{games, shared}));
    EXPECT_FALSE(missing.Found);

    folder.Write("usr/share/velmoria/background.jpg", "picture");
    const DataFolders unset = FindDataFolders(games, {"/ann", "", ""}).Found.value();
    EXPECT_EQ(unset.Assets + " " + unset.Config + " " + unset.Data,
              shared + " /ann/.config/velmoria/ /ann/.local/share/velmoria/");
    const DataFolders set = FindDataFolders(games, {"/ann", "/cfg/", "/data"}).Found.value();
    EXPECT_EQ(set.Config + " " + set.Data, "/cfg/velmoria/ /data/velmoria/");
    // A relative value is no base folder: the default stands in for it.
    EXPECT_EQ(FindDataFolders(games, {"/h", "cfg", ""}).Found.value().Config,
              "/h/.config/velmoria/");

    folder.Write("usr/games/background.jpg", "picture");
    const DataFolders portable = FindDataFolders(games, {"/ann", "/cfg", "/data"}).Found.value();
    EXPECT_EQ(portable.Assets + portable.Config + portable.Data, games + games + games);
}

TEST_F(Folders, TheFirstStartMakesThePlayersPrivateFoldersAndWritesNothingBesideTheProgram) {
    session.ConfigFolder = folder.Path("home/.config/velmoria/");
    session.DataFolder = folder.Path("home/.local/share/velmoria/");
    ReadOptions(session);
    ReadHighScores(session);
    EXPECT_EQ(folder.Read("home/.config/velmoria/VELMORIA.INI"), test::DefaultOptionsFile);
    EXPECT_EQ(folder.Read("home/.local/share/velmoria/VMSCORES.DAT"),
              test::PlaceholderScoresFile());
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"home"});
    struct stat made;
    EXPECT_EQ(::stat(folder.Path("home/.local").c_str(), &made) == 0 ? made.st_mode & 0777 : 0,
              0700u);
}

}  // namespace
}  // namespace vm

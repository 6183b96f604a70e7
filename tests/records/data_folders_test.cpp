// Where the files live: beside a program that has its pictures, else installed with the
// player's XDG folders; saved there, folders made on the first save.
#include "records/data_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using Folders = test::RecordsTest;

TEST_F(Folders, PortableBesideThePicturesElseInstalledWithTheXdgFoldersSetOrNot) {
    std::filesystem::create_directories(folder.Path("usr/games"));
    std::filesystem::create_directories(folder.Path("usr/share/velmoria"));
    const PlayerEnvironment unset{"/home/ann", "", ""};
    EXPECT_FALSE(FindDataFolders(folder.Path("usr/games"), unset).Found);
    const FolderSearch missing = FindDataFolders(folder.Path("usr/games/"), unset);
    EXPECT_EQ(missing.Tried, (std::vector<std::string>{folder.Path("usr/games/"),
                                                       folder.Path("usr/share/velmoria/")}));
    EXPECT_NE(MissingAssetsMessage(missing).find(folder.Path("usr/share/velmoria/")),
              std::string::npos);

    folder.Write("usr/share/velmoria/background.jpg", "picture");
    const auto installed = FindDataFolders(folder.Path("usr/games"), unset).Found;
    ASSERT_TRUE(installed);
    EXPECT_EQ(installed->Assets, folder.Path("usr/share/velmoria/"));
    EXPECT_EQ(installed->Config, "/home/ann/.config/velmoria/");
    EXPECT_EQ(installed->Data, "/home/ann/.local/share/velmoria/");
    const auto set = FindDataFolders(folder.Path("usr/games"), {"/home/ann", "/cfg/", "/data"});
    EXPECT_EQ(set.Found->Config, "/cfg/velmoria/");
    EXPECT_EQ(set.Found->Data, "/data/velmoria/");
    // Relative values are not base folders: the defaults stand in for them.
    const auto relative = FindDataFolders(folder.Path("usr/games"), {"/h", "cfg", "data"});
    EXPECT_EQ(relative.Found->Config, "/h/.config/velmoria/");

    folder.Write("usr/games/background.jpg", "picture");
    const auto portable = FindDataFolders(folder.Path("usr/games"), unset).Found;
    ASSERT_TRUE(portable);
    EXPECT_EQ(portable->Config, folder.Path("usr/games/"));
    EXPECT_EQ(portable->Data, folder.Path("usr/games/"));
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
    ASSERT_EQ(::stat(folder.Path("home/.local").c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);
    EXPECT_TRUE(host.Messages.empty());
}

}  // namespace
}  // namespace vm

// Both data files: created at the first start beside the program or in the player's private
// folders, rewritten only by a save, and never damaged by reading or by a save that fails or
// is cut short.
#include <gtest/gtest.h>

#include "records/atomic_write.h"
#include "records/data_folders.h"
#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

namespace fs = std::filesystem;
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
    EXPECT_EQ(Read("VELMORIA.INI"), test::DefaultOptionsFile);
    EXPECT_EQ(Read("VMSCORES.DAT"), test::PlaceholderScoresFile());
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
    EXPECT_EQ(fs::status(Path("home/.local")).permissions(), fs::perms::owner_all);
}

// Unreadable files give the defaults; each file that cannot be saved is told once, by name and
// reason: at the first start, when its defaults are written, and not again at the next save.
TEST_F(DataFiles, AnUnwritableFolderGivesTheDefaultsAndIsToldOncePerFile) {
    Write("program", "a file, not a folder");
    session.ProgramFolder = Path("program/");
    session.options.DealSpeed = 2;
    ReadHighScores(session);
    ReadOptions(session);
    EXPECT_EQ(session.options, GameOptions{});
    EXPECT_EQ(session.highScores, PlaceholderTable());
    EXPECT_FALSE(WriteHighScores(session));
    EXPECT_FALSE(WriteOptions(session));
    EXPECT_EQ(host.Messages, (Names{"The high-score table could not be saved to " +
                                        Path("program/VMSCORES.DAT") + ": Not a directory.",
                                    "The options could not be saved to " +
                                        Path("program/VELMORIA.INI") + ": Not a directory."}));
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
    fs::create_directories(Path("usr/games"));
    fs::create_directories(Path("usr/share/velmoria"));
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

// A link stays a link, the file it points to replaced in its own folder with its permissions.
// A save that fails (a file nobody may write, a name a folder holds) gives its reason and
// leaves what was there as it was, with no temporary file behind.
TEST_F(DataFiles, AreSavedThroughLinksWithTheirPermissionsAndAFailedSaveLeavesNothingBehind) {
    using fs::perms;
    fs::create_directory(Path("real"));
    Write("real/F.DAT", "old\r\n");
    fs::permissions(Path("real/F.DAT"), perms::owner_read | perms::owner_write);
    fs::create_symlink("real/F.DAT", Path("F.DAT"));
    fs::create_symlink("real/NEW.DAT", Path("NEW.DAT"));  // dangling until saved
    for (const char* name : {"F.DAT", "NEW.DAT"}) {
        EXPECT_EQ(WriteFileAtomically(Path(name), "new\r\n"), std::nullopt);
        EXPECT_TRUE(fs::is_symlink(Path(name)));
    }
    EXPECT_EQ(Read("real/F.DAT") + Read("real/NEW.DAT"), "new\r\nnew\r\n");
    EXPECT_EQ(fs::status(Path("real/F.DAT")).permissions(), perms::owner_read | perms::owner_write);

    fs::permissions(Path("real/F.DAT"), perms::owner_read | perms::group_read);
    fs::create_directories(Path("real/G.DAT/inside"));
    for (const char* name : {"F.DAT", "real/G.DAT"}) {
        const auto error = WriteFileAtomically(Path(name), "newer\r\n");
        EXPECT_TRUE(error.has_value() && !error->empty()) << name;
    }
    EXPECT_EQ(Read("real/F.DAT"), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), {}), 3);
}

// A crash or a kill between writing the temporary file and the rename.
TEST_F(DataFiles, CutShortBeforeTheRenameStayWholeAndTheLeftoverGoesAtTheNextStart) {
    Write("F.DAT", "old\r\n");
    const PreparedReplacement prepared = PrepareReplacement(Path("F.DAT"), "new\r\n");
    ASSERT_TRUE(prepared.Pending.has_value());
    EXPECT_EQ(Read("F.DAT"), "old\r\n");
    const std::string leftover = fs::path(prepared.Pending->TemporaryPath).filename().string();
    EXPECT_EQ(Contents(), (Names{"F.DAT", leftover}));
    EXPECT_EQ(Read(leftover), "new\r\n");

    // The next start removes the leftover, and only it, then writes as if nothing had happened:
    // every byte as given, and no temporary file left.
    for (const char* other : {"F.DAT.tmp", "F.DAT.a-b_cd", "G.DAT.a1B2c3", "F.DAT.a1B2c3d"})
        Write(other, "keep");
    RemoveLeftoverTemporaries(Path("F.DAT"));
    const std::string bytes("a\0\xFF\r\n", 5);
    EXPECT_EQ(WriteFileAtomically(Path("F.DAT"), bytes), std::nullopt);
    EXPECT_EQ(Read("F.DAT"), bytes);
    EXPECT_EQ(Contents(),
              (Names{"F.DAT", "F.DAT.a-b_cd", "F.DAT.a1B2c3d", "F.DAT.tmp", "G.DAT.a1B2c3"}));
}

}  // namespace
}  // namespace vm

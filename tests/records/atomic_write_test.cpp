#include "records/atomic_write.h"

#include "tests/records/records_fixture.h"

namespace vm {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using AtomicWrite = test::RecordsTest;

TEST_F(AtomicWrite, ReplacesWithTheExactBytesLeavingNothingElse) {
    for (const std::string& bytes : {std::string("first\r\n"), std::string("a\0\xFF\r\n", 5)}) {
        EXPECT_EQ(WriteFileAtomically(Path("F.DAT"), bytes), std::nullopt);
        EXPECT_EQ(Read("F.DAT"), bytes);
    }
    EXPECT_EQ(Contents(), Names{"F.DAT"});

    // A rename that fails (a folder holds the name) gives the reason and removes its temporary.
    fs::create_directories(Path("G.DAT/inside"));
    const auto error = WriteFileAtomically(Path("G.DAT"), "data");
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
    EXPECT_EQ(Contents(), (Names{"F.DAT", "G.DAT"}));
}

// A link stays a link, the file it points to replaced in its own folder with its permissions;
// a file nobody may write is left as it is; no temporary file stays behind.
TEST_F(AtomicWrite, FollowsLinksKeepsPermissionsAndLeavesReadOnlyFilesAlone) {
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
    EXPECT_TRUE(WriteFileAtomically(Path("F.DAT"), "newer\r\n").has_value());
    EXPECT_EQ(Read("real/F.DAT"), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), {}), 2);
}

// A crash or a kill between writing the temporary file and the rename.
TEST_F(AtomicWrite, AWriteStoppedBeforeTheRenameLeavesTheOldFileWhole) {
    Write("F.DAT", "old\r\n");
    const PreparedReplacement prepared = PrepareReplacement(Path("F.DAT"), "new\r\n");
    ASSERT_TRUE(prepared.Pending.has_value());
    EXPECT_EQ(Read("F.DAT"), "old\r\n");
    const std::string leftover = fs::path(prepared.Pending->TemporaryPath).filename().string();
    EXPECT_EQ(Contents(), (Names{"F.DAT", leftover}));
    EXPECT_EQ(Read(leftover), "new\r\n");

    // The next start removes the leftover, and only it, then writes as if nothing had happened.
    for (const char* other : {"F.DAT.tmp", "F.DAT.a-b_cd", "G.DAT.a1B2c3", "F.DAT.a1B2c3d"})
        Write(other, "keep");
    RemoveLeftoverTemporaries(Path("F.DAT"));
    EXPECT_EQ(Contents(),
              (Names{"F.DAT", "F.DAT.a-b_cd", "F.DAT.a1B2c3d", "F.DAT.tmp", "G.DAT.a1B2c3"}));
    EXPECT_EQ(WriteFileAtomically(Path("F.DAT"), "next\r\n"), std::nullopt);
    EXPECT_EQ(Read("F.DAT"), "next\r\n");
}

}  // namespace
}  // namespace vm

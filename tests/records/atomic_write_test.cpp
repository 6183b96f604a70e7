#include "records/atomic_write.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using Names = std::vector<std::string>;

TEST(WriteFileAtomically, ReplacesWithTheExactBytesLeavingNothingElse) {
    test::ScratchFolder folder;
    for (const std::string& bytes : {std::string("first\r\n"), std::string("a\0\xFF\r\n", 5)}) {
        EXPECT_EQ(WriteFileAtomically(folder.Path("F.DAT"), bytes), std::nullopt);
        EXPECT_EQ(folder.Read("F.DAT"), bytes);
    }
    EXPECT_EQ(folder.Names(), Names{"F.DAT"});

    // A rename that fails (a folder holds the name) gives the reason and removes its temporary.
    std::filesystem::create_directories(folder.Path("G.DAT/inside"));
    const auto error = WriteFileAtomically(folder.Path("G.DAT"), "data");
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
    EXPECT_EQ(folder.Names(), (Names{"F.DAT", "G.DAT"}));
}

// A link stays a link, the file it points to replaced in its own folder with its permissions;
// a file nobody may write is left as it is; no temporary file stays behind.
TEST(WriteFileAtomically, FollowsLinksKeepsPermissionsAndLeavesReadOnlyFilesAlone) {
    namespace fs = std::filesystem;
    using fs::perms;
    test::ScratchFolder folder;
    fs::create_directory(folder.Path("real"));
    folder.Write("real/F.DAT", "old\r\n");
    fs::permissions(folder.Path("real/F.DAT"), perms::owner_read | perms::owner_write);
    fs::create_symlink("real/F.DAT", folder.Path("F.DAT"));
    fs::create_symlink("real/NEW.DAT", folder.Path("NEW.DAT"));  // dangling until saved
    for (const char* name : {"F.DAT", "NEW.DAT"}) {
        EXPECT_EQ(WriteFileAtomically(folder.Path(name), "new\r\n"), std::nullopt);
        EXPECT_TRUE(fs::is_symlink(folder.Path(name)));
    }
    EXPECT_EQ(folder.Read("real/F.DAT") + folder.Read("real/NEW.DAT"), "new\r\nnew\r\n");
    EXPECT_EQ(fs::status(folder.Path("real/F.DAT")).permissions(),
              perms::owner_read | perms::owner_write);

    fs::permissions(folder.Path("real/F.DAT"), perms::owner_read | perms::group_read);
    EXPECT_TRUE(WriteFileAtomically(folder.Path("F.DAT"), "newer\r\n").has_value());
    EXPECT_EQ(folder.Read("real/F.DAT"), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path("real")), {}), 2);
}

// A crash or a kill between writing the temporary file and the rename.
TEST(WriteFileAtomically, AWriteStoppedBeforeTheRenameLeavesTheOldFileWhole) {
    test::ScratchFolder folder;
    folder.Write("F.DAT", "old\r\n");
    const PreparedReplacement prepared = PrepareReplacement(folder.Path("F.DAT"), "new\r\n");
    ASSERT_TRUE(prepared.Pending.has_value());
    EXPECT_EQ(folder.Read("F.DAT"), "old\r\n");
    const std::string leftover =
        std::filesystem::path(prepared.Pending->TemporaryPath).filename().string();
    EXPECT_EQ(folder.Names(), (Names{"F.DAT", leftover}));
    EXPECT_EQ(folder.Read(leftover), "new\r\n");

    // The next start removes the leftover, and only it, then writes as if nothing had happened.
    for (const char* other : {"F.DAT.tmp", "F.DAT.a-b_cd", "G.DAT.a1B2c3", "F.DAT.a1B2c3d"}) {
        folder.Write(other, "keep");
    }
    RemoveLeftoverTemporaries(folder.Path("F.DAT"));
    EXPECT_EQ(folder.Names(),
              (Names{"F.DAT", "F.DAT.a-b_cd", "F.DAT.a1B2c3d", "F.DAT.tmp", "G.DAT.a1B2c3"}));
    EXPECT_EQ(WriteFileAtomically(folder.Path("F.DAT"), "next\r\n"), std::nullopt);
    EXPECT_EQ(folder.Read("F.DAT"), "next\r\n");
}

}  // namespace
}  // namespace vm

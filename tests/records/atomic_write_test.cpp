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

    // The next run writes over the same name as if nothing had happened.
    EXPECT_EQ(WriteFileAtomically(folder.Path("F.DAT"), "next\r\n"), std::nullopt);
    EXPECT_EQ(folder.Read("F.DAT"), "next\r\n");
}

}  // namespace
}  // namespace vm

#include "records/data_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/records/scratch_folder.h"

namespace vm {
namespace {

using Lines = std::vector<std::string_view>;

TEST(FilePresent, OnlyTheExactSpellingCounts) {
    test::ScratchFolder folder;
    folder.Write("velmoria.ini", "x");
    folder.Write("VMSCORES.DAT", "x");
    EXPECT_FALSE(FilePresent(folder.Folder(), "VELMORIA.INI"));
    EXPECT_TRUE(FilePresent(folder.Folder(), "VMSCORES.DAT"));
    EXPECT_FALSE(FilePresent(folder.Folder(), "VMSCORES.DA"));
}

TEST(FilePresent, AMissingOrFalseFolderHasNoFiles) {
    test::ScratchFolder folder;
    folder.Write("plain", "x");
    EXPECT_FALSE(FilePresent(folder.Path("missing/"), "plain"));
    EXPECT_FALSE(FilePresent(folder.Path("plain/"), "plain"));
}

TEST(ReadFileBytes, ReadsEveryByteAndRefusesWhatIsNoFile) {
    test::ScratchFolder folder;
    const std::string bytes("a\0b\r\n\xFF", 6);
    folder.Write("data", bytes);
    EXPECT_EQ(ReadFileBytes(folder.Path("data")), bytes);
    EXPECT_EQ(ReadFileBytes(folder.Path("missing")), std::nullopt);
    EXPECT_EQ(ReadFileBytes(folder.Path("")), std::nullopt);  // the folder itself
}

TEST(SplitLines, AcceptsCrLfAndSingleLf) {
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
}

TEST(SplitLines, KeepsEmptyLinesAndStrayCarriageReturns) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("a\rb\r\r\nc\r"), (Lines{"a\rb\r", "c\r"}));
}

}  // namespace
}  // namespace vm

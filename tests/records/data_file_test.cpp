// Both data files: created at the first start, never damaged by reading or by a failed save.
#include <gtest/gtest.h>

#include <string>

#include "records/high_scores_file.h"
#include "records/options_file.h"
#include "tests/records/records_fixture.h"

namespace vm {
namespace {

using DataFiles = test::RecordsTest;
using Names = std::vector<std::string>;

TEST_F(DataFiles, FirstStartCreatesBothDefaultFilesBesideOnesInOtherLetterCase) {
    folder.Write("Velmoria.ini", "[debug]=on\r\n");
    folder.Write("vmscores.dat", "Ann\\57|05/12/2026\r\n");
    session.options.DebugMode = true;
    ReadOptions(session);
    ReadHighScores(session);
    EXPECT_EQ(session.options, GameOptions{});
    EXPECT_EQ(session.highScores, PlaceholderTable());
    EXPECT_EQ(ParseHighScores(test::PlaceholderScoresFile()), PlaceholderTable());
    EXPECT_EQ(folder.Read("VELMORIA.INI"), test::DefaultOptionsFile);
    EXPECT_EQ(folder.Read("VMSCORES.DAT"), test::PlaceholderScoresFile());
    EXPECT_EQ(folder.Read("Velmoria.ini"), "[debug]=on\r\n");
    EXPECT_EQ(folder.Read("vmscores.dat"), "Ann\\57|05/12/2026\r\n");
    EXPECT_EQ(folder.Names(),
              (Names{"VELMORIA.INI", "VMSCORES.DAT", "Velmoria.ini", "vmscores.dat"}));
    EXPECT_TRUE(host.Messages.empty());
}

// Unreadable files give the defaults; each file that cannot be saved (the defaults at the first
// start included) is told once, by name and reason; the game keeps its data.
TEST_F(DataFiles, AnUnwritableFolderIsToldOncePerFileAndTheDataStaysInMemory) {
    folder.Write("program", "a file, not a folder");
    session.ProgramFolder = folder.Path("program/");
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
    EXPECT_NE(host.Messages[0].find(folder.Path("program/VMSCORES.DAT")), std::string::npos);
    EXPECT_NE(host.Messages[1].find(folder.Path("program/VELMORIA.INI")), std::string::npos);
    EXPECT_NE(host.Messages[1].find("Not a directory"), std::string::npos);
    EXPECT_EQ(folder.Read("program"), "a file, not a folder");
}

}  // namespace
}  // namespace vm

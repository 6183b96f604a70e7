// The program loads its assets by exact name from its own folder (the tests run there).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "game/cards.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

std::set<std::string> FilesWithExtension(const std::string& extension) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::current_path())) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

std::set<std::string> DeckNames(bool marked) {
    CardTableType table;
    BuildCardTable(table, marked);
    std::set<std::string> names;
    for (int i = 1; i <= 48; ++i) {
        names.insert(table[i].CardName);
    }
    return names;
}

TEST(AssetSet, BitmapsAreExactlyBothCardSetsAndTheBack) {
    std::set<std::string> expected = DeckNames(true);
    expected.merge(DeckNames(false));
    expected.insert("back.bmp");
    ASSERT_EQ(expected.size(), 97u);
    EXPECT_EQ(FilesWithExtension(".bmp"), expected);
}

TEST(AssetSet, DataFilesNamedByTheGameArePresent) {
    for (const char* name : {"Card_down.wav", "Card_up.wav", "haiku.mid", "midi.ico",
                             "VELMORIA.HLP", "background.jpg", "velmoria.png", "velmoria.ico"}) {
        EXPECT_TRUE(FilesWithExtension(fs::path(name).extension().string()).contains(name)) << name;
    }
}

TEST(AssetSet, AtLeastThreeMusicTracksToChooseFrom) {
    EXPECT_GE(FilesWithExtension(".mid").size(), 3u);
}

}  // namespace
}  // namespace vm

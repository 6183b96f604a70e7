// The program loads its assets by exact name from its own folder (the tests run there).
#include <gtest/gtest.h>

#include <QImageReader>
#include <filesystem>
#include <set>
#include <string>

#include "model/cards.h"

namespace vm {
namespace {

std::set<std::string> FilesWithExtension(const std::string& extension) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

TEST(AssetSet, BitmapsAreExactlyBothCardSetsAndTheBack) {
    std::set<std::string> expected{"back.bmp"};
    for (bool marked : {true, false}) {
        CardTableType table;
        BuildCardTable(table, marked);
        for (int i = 1; i <= 48; ++i) expected.insert(table[i].CardName);
    }
    ASSERT_EQ(expected.size(), 97u);
    EXPECT_EQ(FilesWithExtension(".bmp"), expected);
    EXPECT_GE(FilesWithExtension(".mid").size(), 3u) << "tracks to choose from";
    for (const char* name : {"Card_down.wav", "Card_up.wav", "haiku.mid", "VELMORIA.HLP"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(name)) << name;
    }
}

// Each picture, and each image of an icon, loads square or at its size with the window's readers.
TEST(AssetSet, WindowPicturesLoadAtTheSizesTheWindowAsksFor) {
    const struct {
        const char* file;
        const char* format;
        std::set<int> widths;
    } pictures[] = {
        {"background.jpg", "jpeg", {800}},
        {"velmoria.png", "png", {256}},
        {"velmoria.ico", "ico", {16, 32, 48, 256}},
        {"midi.ico", "ico", {16, 32, 48}},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.file);
        QImageReader reader(picture.file);
        EXPECT_EQ(reader.format(), picture.format);
        std::set<int> widths;
        // A JPEG or PNG counts no images but holds one.
        for (int i = 0; i == 0 || (i < reader.imageCount() && reader.jumpToImage(i)); ++i) {
            const QImage image = reader.read();
            EXPECT_EQ(image.height(), image.width() == 800 ? 600 : image.width());
            widths.insert(image.width());
        }
        EXPECT_EQ(widths, picture.widths);
    }
}

}  // namespace
}  // namespace vm

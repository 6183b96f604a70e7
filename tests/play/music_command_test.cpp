#include "play/music_command.h"

#include <gtest/gtest.h>

#include <string>

namespace vm {
namespace {

// The player's own tracks may lie in folders with blanks in their names: the path is quoted,
// and every command the music sends reads back as sent.
TEST(MusicCommandTest, EveryCommandTheMusicSendsReadsBack) {
    EXPECT_EQ(OpenCommand("/My Games/a b.mid"),
              "OPEN \"/My Games/a b.mid\" TYPE SEQUENCER ALIAS BackgroundMusic");
    for (const std::string path : {"/opt/velmoria/haiku.mid", "/home/aiko/My Games/a  b.mid"}) {
        const auto open = ParseMusicCommand(OpenCommand(path));
        ASSERT_TRUE(open.has_value()) << path;
        EXPECT_EQ(open->Verb, MusicVerb::Open);
        EXPECT_EQ(open->Path, path);
        EXPECT_EQ(open->Alias, "BackgroundMusic");
    }
    const std::pair<std::string, MusicVerb> others[] = {{StatusCommand(), MusicVerb::Status},
                                                        {PlayCommand(), MusicVerb::Play},
                                                        {CloseCommand(), MusicVerb::Close}};
    for (const auto& [text, verb] : others) {
        const auto command = ParseMusicCommand(text);
        ASSERT_TRUE(command.has_value()) << text;
        EXPECT_EQ(command->Verb, verb);
        EXPECT_EQ(command->Alias, "BackgroundMusic");
    }
}

}  // namespace
}  // namespace vm

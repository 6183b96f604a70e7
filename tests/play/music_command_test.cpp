#include "play/music_command.h"

#include <gtest/gtest.h>

#include <string>

namespace vm {
namespace {

MusicCommand Parsed(const std::string& text) {
    const auto command = ParseMusicCommand(text);
    EXPECT_TRUE(command.has_value()) << text;
    return command.value_or(MusicCommand{});
}

TEST(MusicCommandTest, EveryCommandTheMusicSendsReadsBackWithItsCase) {
    EXPECT_EQ(OpenCommand("/a/b.mid"), "OPEN /a/b.mid TYPE SEQUENCER ALIAS BackgroundMusic");
    EXPECT_EQ(OpenCommand("/My Games/a b.mid"),  // a path with blanks is quoted
              "OPEN \"/My Games/a b.mid\" TYPE SEQUENCER ALIAS BackgroundMusic");
    for (const std::string path : {"/opt/velmoria/haiku.mid", "/home/aiko/My Games/a  b.mid"}) {
        const MusicCommand open = Parsed(OpenCommand(path));
        EXPECT_EQ(open.Verb, MusicVerb::Open);
        EXPECT_EQ(open.Path, path);
        EXPECT_EQ(open.Alias, "BackgroundMusic");
    }
    EXPECT_EQ(Parsed(StatusCommand()).Verb, MusicVerb::Status);
    EXPECT_EQ(Parsed(PlayCommand()).Verb, MusicVerb::Play);
    const MusicCommand close = Parsed(CloseCommand());
    EXPECT_EQ(close.Verb, MusicVerb::Close);
    EXPECT_EQ(close.Alias, "BackgroundMusic");

    // Keywords ignore case; alias and path do not.
    const MusicCommand open = Parsed("open /x/Haiku.MID type sequencer alias Music2");
    EXPECT_EQ(open.Path, "/x/Haiku.MID");
    EXPECT_EQ(open.Alias, "Music2");
    EXPECT_EQ(Parsed("status backgroundmusic mode").Alias, "backgroundmusic");
}

}  // namespace
}  // namespace vm

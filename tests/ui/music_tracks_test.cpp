// Tracks of the game and the player's own: listed once each, the player's copy played.
#include "ui/music_tracks.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/records/records_fixture.h"
#include "ui/music_dialog_model.h"

namespace vm {
namespace {

using MusicTracks = test::RecordsTest;
using Names = std::vector<std::string>;

TEST_F(MusicTracks, ThePlayersOwnTracksJoinTheListAndWinOverAShippedNameAlike) {
    std::filesystem::create_directories(folder.Path("share"));
    std::filesystem::create_directories(folder.Path("own"));
    for (const char* name :
         {"share/haiku.mid", "share/sakura.mid", "own/haiku.mid", "own/mine.mid"}) {
        folder.Write(name, "MThd");
    }
    session.ProgramFolder = folder.Path("share/");
    EXPECT_EQ(ListMusicTracks(session), (Names{"haiku.mid", "sakura.mid"}));
    EXPECT_EQ(MusicTrackFile(session, "haiku.mid"), folder.Path("share/haiku.mid"));

    session.DataFolder = folder.Path("own/");
    EXPECT_EQ(ListMusicTracks(session), (Names{"haiku.mid", "mine.mid", "sakura.mid"}));
    EXPECT_EQ(MusicDialogModel(session).Entries().size(), 3u);
    EXPECT_EQ(MusicTrackFile(session, "haiku.mid"), folder.Path("own/haiku.mid"));
    EXPECT_EQ(MusicTrackFile(session, "sakura.mid"), folder.Path("share/sakura.mid"));
    EXPECT_EQ(MusicTrackFile(session, "gone.mid"), folder.Path("share/gone.mid"));
}

}  // namespace
}  // namespace vm

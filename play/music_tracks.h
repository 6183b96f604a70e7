#pragma once
// The tracks a player can choose: those that ship with the game and those the player added to
// their own data folder, where no root is needed to put a tune.

#include <string>
#include <vector>

#include "play/session.h"

namespace vm {

// The "*.mid" files of the program's folder and of the player's data folder, each name once,
// sorted by name.
std::vector<std::string> ListMusicTracks(const Session& session);

// The file that plays the track: the player's own copy first, so a tune added under a shipped
// name is the one heard.
std::string MusicTrackFile(const Session& session, const std::string& track);

}  // namespace vm

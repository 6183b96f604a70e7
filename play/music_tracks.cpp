#include "play/music_tracks.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "play/music_dialog_model.h"

namespace vm {

std::vector<std::string> ListMusicTracks(const Session& session) {
    std::vector<std::string> tracks = FindMusicTracks(session.ProgramFolder);
    if (PlayerDataFolder(session) != session.ProgramFolder) {
        const std::vector<std::string> own = FindMusicTracks(PlayerDataFolder(session));
        tracks.insert(tracks.end(), own.begin(), own.end());
        std::sort(tracks.begin(), tracks.end());
        tracks.erase(std::unique(tracks.begin(), tracks.end()), tracks.end());
    }
    return tracks;
}

std::string MusicTrackFile(const Session& session, const std::string& track) {
    const std::string own = PlayerDataFolder(session) + track;
    std::error_code error;
    if (!track.empty() && std::filesystem::is_regular_file(own, error)) return own;
    return session.ProgramFolder + track;
}

}  // namespace vm

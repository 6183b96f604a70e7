#include "play/music_dialog_model.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "play/music_tracks.h"

namespace vm {

namespace {

bool IsTrackName(const std::string& name) {
    const std::string extension = ".mid";
    return name.size() >= extension.size() &&
           name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

}  // namespace

std::vector<std::string> FindMusicTracks(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> tracks;
    std::error_code error;
    fs::directory_iterator entry(folder.empty() ? "." : folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code kindError;
        if (IsTrackName(name) && entry->is_regular_file(kindError)) {
            tracks.push_back(name);
        }
    }
    std::sort(tracks.begin(), tracks.end());
    return tracks;
}

MusicDialogModel::MusicDialogModel(Session& s) : session(s), entries(ListMusicTracks(s)) {
    const auto current = std::find(entries.begin(), entries.end(), session.options.MusicTrack);
    if (current != entries.end()) {
        selected = static_cast<std::size_t>(current - entries.begin());
    } else if (!entries.empty()) {
        selected = 0;
    }
}

void MusicDialogModel::Select(std::size_t index) {
    if (index < entries.size()) {
        selected = index;
    }
}

void MusicDialogModel::cmdOK_Click() {
    if (selected && entries[*selected] != session.options.MusicTrack) {
        lvwTrack_DblClick();
    }
}

void MusicDialogModel::lvwTrack_DblClick() {
    if (!selected) {
        return;
    }
    session.options.MusicTrack = entries[*selected];
    session.music.MusicTrackChanged = true;
}

}  // namespace vm

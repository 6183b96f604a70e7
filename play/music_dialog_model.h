#pragma once
// The Music dialog without its widgets: the tracks it lists, the entry selected when it
// opens, and what "Ok" and a double-click change. The window only draws the list.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "play/session.h"

namespace vm {

// The "*.mid" files in the folder (the extension in exactly that case), sorted by name;
// empty when the folder cannot be read.
std::vector<std::string> FindMusicTracks(const std::string& folder);

class MusicDialogModel {
public:
    // Lists the tracks of both folders and selects the current track, else the first.
    explicit MusicDialogModel(Session& session);

    const std::vector<std::string>& Entries() const { return entries; }
    std::optional<std::size_t> Selected() const { return selected; }
    // The player picked another entry; an index beyond the list is ignored.
    void Select(std::size_t index);

    // A different track becomes current and is marked as changed; the same one changes nothing.
    void cmdOK_Click();
    // The selected track becomes current and is marked as changed, even when it already was.
    void lvwTrack_DblClick();

private:
    Session& session;
    std::vector<std::string> entries;
    std::optional<std::size_t> selected;
};

}  // namespace vm

#pragma once
// The four music commands as text: built by the music logic, read back by a device.

#include <optional>
#include <string>

namespace vm {

inline constexpr const char* MusicAlias = "BackgroundMusic";

// "OPEN <path> TYPE SEQUENCER ALIAS BackgroundMusic"; a path with blanks goes in quotes.
std::string OpenCommand(const std::string& path);
std::string StatusCommand();
std::string PlayCommand();
std::string CloseCommand();

enum class MusicVerb { Open, Status, Play, Close };

struct MusicCommand {
    MusicVerb Verb = MusicVerb::Close;
    std::string Alias;
    std::string Path;  // OPEN only
};

// Reads one command; nothing for text that is not one of the four forms above. Keywords
// are matched regardless of case, the path and the alias exactly.
std::optional<MusicCommand> ParseMusicCommand(const std::string& text);

}  // namespace vm

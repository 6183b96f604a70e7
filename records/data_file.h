#pragma once
// Reading the program's data files: finding them by their exact name, taking their bytes and
// cutting them into lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

// True only when a search of the folder returns `name` spelled exactly so, letter case
// included; "VELMORIA.ini" does not count as "VELMORIA.INI".
bool FilePresent(const std::string& folder, const std::string& name);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Lines ended by CR LF or by a single LF; the terminator is not part of the line. Text after
// the last terminator is a line of its own.
std::vector<std::string_view> SplitLines(std::string_view bytes);

}  // namespace vm

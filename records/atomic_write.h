#pragma once
// Replacing a data file so that it is never lost: the new content goes to a temporary file in
// the same folder, is flushed to the disk, and only then is renamed over the old file. A
// crash, a kill or a full disk at any moment leaves either the old file or the new one whole.
// A target that is a symbolic link stays one: the file it points to is replaced. A file with
// no write permission bit for anyone is refused; a replaced file keeps its permissions.

#include <optional>
#include <string>
#include <string_view>

namespace vm {

// A fully written and flushed temporary file that has not yet taken the target's place.
struct PendingReplacement {
    std::string TargetPath;
    std::string TemporaryPath;
};

struct PreparedReplacement {
    std::optional<PendingReplacement> Pending;
    std::string Error;  // why there is nothing pending
};

// Writes and flushes the temporary file; on failure nothing is left behind.
PreparedReplacement PrepareReplacement(const std::string& path, std::string_view bytes);

// Renames the temporary file over the target; on failure removes it and returns the reason.
std::optional<std::string> CommitReplacement(const PendingReplacement& pending);

// Both steps; nothing on success, otherwise the reason, with the old file untouched.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that a save of this file stopped by a crash left behind.
void RemoveLeftoverTemporaries(const std::string& path);

}  // namespace vm

#include "records/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace vm {
namespace {

namespace fs = std::filesystem;

// mkstemp's six letters and digits after the target's name and a dot.
constexpr std::size_t TemporarySuffix = 7;

std::string Reason() { return std::strerror(errno); }

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename itself must reach the disk too, or a power cut could bring the old name back.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file at the end of a chain of symbolic links, or the path itself when it is no link;
// nothing when the links go round.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path =
            target.is_absolute() ? target.string() : (fs::path(FolderOf(path)) / target).string();
    }
    return std::nullopt;
}

bool IsTemporaryOf(const std::string& name, const std::string& target) {
    if (name.size() != target.size() + TemporarySuffix ||
        name.compare(0, target.size(), target) != 0 || name[target.size()] != '.') {
        return false;
    }
    for (std::size_t i = target.size() + 1; i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    }
    return true;
}

}  // namespace

PreparedReplacement PrepareReplacement(const std::string& path, std::string_view bytes) {
    // A link stays a link: the file it points to is replaced, in that file's own folder.
    const std::optional<std::string> target = FollowLinks(path);
    if (!target) return {std::nullopt, std::strerror(ELOOP)};
    const std::string& targetPath = *target;
    // The player took every write permission away: the file is kept exactly as it is.
    mode_t mode = 0644;
    struct stat old;
    if (::stat(targetPath.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if ((old.st_mode & 0222) == 0) return {std::nullopt, std::strerror(EACCES)};
        mode = old.st_mode & 07777;
    }

    std::string pattern = targetPath + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return {std::nullopt, Reason()};
    const std::string temporaryPath(name.data());

    std::string error;
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) error = Reason();
    if (::close(fd) != 0 && error.empty()) error = Reason();
    if (!error.empty()) {
        ::unlink(temporaryPath.c_str());
        return {std::nullopt, error};
    }
    return {PendingReplacement{targetPath, temporaryPath}, ""};
}

std::optional<std::string> CommitReplacement(const PendingReplacement& pending) {
    if (std::rename(pending.TemporaryPath.c_str(), pending.TargetPath.c_str()) != 0) {
        std::string error = Reason();
        ::unlink(pending.TemporaryPath.c_str());
        return error;
    }
    SyncFolder(FolderOf(pending.TargetPath));
    return std::nullopt;
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const PreparedReplacement prepared = PrepareReplacement(path, bytes);
    if (!prepared.Pending) return prepared.Error;
    return CommitReplacement(*prepared.Pending);
}

void RemoveLeftoverTemporaries(const std::string& path) {
    const std::optional<std::string> target = FollowLinks(path);
    if (!target) return;
    const std::string folder = FolderOf(*target);
    const std::string name = fs::path(*target).filename().string();
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::error_code kindError;
        if (IsTemporaryOf(entry->path().filename().string(), name) &&
            entry->is_regular_file(kindError) && !entry->is_symlink(kindError)) {
            fs::remove(entry->path(), kindError);
        }
    }
}

}  // namespace vm

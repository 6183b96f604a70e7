#include "records/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vm {
namespace {

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

}  // namespace

PreparedReplacement PrepareReplacement(const std::string& targetPath, std::string_view bytes) {
    std::string pattern = targetPath + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return {std::nullopt, Reason()};
    const std::string temporaryPath(name.data());

    std::string error;
    if (::fchmod(fd, 0644) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) error = Reason();
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

}  // namespace vm

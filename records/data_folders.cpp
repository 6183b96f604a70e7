#include "records/data_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace vm {
namespace {

namespace fs = std::filesystem;

// Only the assets' folder holds this picture: the table itself, shown at every start.
constexpr const char* AssetMarker = "background.jpg";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool HoldsAssets(const std::string& folder) {
    std::error_code error;
    return fs::is_regular_file(fs::path(folder.empty() ? "." : folder) / AssetMarker, error);
}

// A relative value is no base folder at all, as the XDG base directories say: the default
// stands in for it, as for an unset one.
std::string PlayerFolder(const std::string& variable, const std::string& home,
                         const char* fallback) {
    const std::string base =
        !variable.empty() && variable.front() == '/' ? variable : WithSlash(home) + fallback;
    return WithSlash(base) + "velmoria/";
}

}  // namespace

PlayerEnvironment ReadPlayerEnvironment() {
    PlayerEnvironment env{Variable("HOME"), Variable("XDG_CONFIG_HOME"), Variable("XDG_DATA_HOME")};
    if (env.Home.empty()) {
        if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir) {
            env.Home = account->pw_dir;
        }
    }
    return env;
}

DataFolders PortableFolders(std::string programFolder) {
    programFolder = WithSlash(std::move(programFolder));
    return {programFolder, programFolder, programFolder};
}

FolderSearch FindDataFolders(const std::string& programFolder, const PlayerEnvironment& env) {
    FolderSearch search;
    const std::string beside = WithSlash(programFolder);
    search.Tried.push_back(beside);
    if (HoldsAssets(beside)) {
        search.Found = PortableFolders(beside);
        return search;
    }
    const std::string shared =
        WithSlash((fs::path(beside) / "../share/velmoria").lexically_normal().string());
    search.Tried.push_back(shared);
    if (HoldsAssets(shared)) {
        search.Found = DataFolders{shared, PlayerFolder(env.XdgConfigHome, env.Home, ".config"),
                                   PlayerFolder(env.XdgDataHome, env.Home, ".local/share")};
    }
    return search;
}

std::string MissingAssetsMessage(const FolderSearch& search) {
    std::string text = "The game's pictures and sounds were not found. Folders searched:";
    for (const std::string& folder : search.Tried) text += "\n" + folder;
    return text + "\nReinstall the game, or run it from its build folder.";
}

std::optional<std::string> MakeFolders(const std::string& folder) {
    fs::path made;
    for (const fs::path& part : fs::path(folder)) {
        if (part.empty()) continue;  // after the trailing "/"
        made /= part;
        struct stat info;
        if (::lstat(made.c_str(), &info) == 0 || errno != ENOENT) continue;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return std::strerror(errno);
    }
    return std::nullopt;
}

}  // namespace vm

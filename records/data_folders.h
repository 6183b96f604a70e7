#pragma once
// Where the game's files live. Run from a folder that holds its pictures (the build folder, a
// copied folder) the game keeps everything there, as it always has. Installed, it reads its
// pictures, sounds and tracks from share/velmoria beside its own folder, and keeps each
// player's options and high scores in that player's own folders: the program's folder belongs
// to root.

#include <optional>
#include <string>
#include <vector>

namespace vm {

// What the choice of folders needs from the process's environment; "" for a variable unset.
struct PlayerEnvironment {
    std::string Home;
    std::string XdgConfigHome;
    std::string XdgDataHome;
};

// $HOME (or the account's home folder when it is unset), $XDG_CONFIG_HOME, $XDG_DATA_HOME.
PlayerEnvironment ReadPlayerEnvironment();

// Every folder ends with "/".
struct DataFolders {
    std::string Assets;  // pictures, sounds, tracks, icons and the rules
    std::string Config;  // "VELMORIA.INI"
    std::string Data;    // "VMSCORES.DAT" and the player's own tracks
};

// Everything in the program's folder, as a game run from its own folder keeps it.
DataFolders PortableFolders(std::string programFolder);

struct FolderSearch {
    std::optional<DataFolders> Found;
    std::vector<std::string> Tried;  // the folders searched for the assets, in order
};

// programFolder is the executable's own folder. Its assets beside it make a portable game;
// otherwise those in ../share/velmoria make an installed one, which keeps the options in
// $XDG_CONFIG_HOME/velmoria (default ~/.config/velmoria) and the high scores in
// $XDG_DATA_HOME/velmoria (default ~/.local/share/velmoria).
FolderSearch FindDataFolders(const std::string& programFolder, const PlayerEnvironment& env);

// What to tell the player when no folder held the assets.
std::string MissingAssetsMessage(const FolderSearch& search);

// Makes the folder and its missing parents, readable by the player alone; nothing when it
// already exists (whatever it is: a later write tells what is wrong), otherwise the reason.
std::optional<std::string> MakeFolders(const std::string& folder);

}  // namespace vm

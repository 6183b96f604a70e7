#include "play/session.h"

namespace vm {

const std::string& OptionsFolder(const Session& session) {
    return session.ConfigFolder.empty() ? session.ProgramFolder : session.ConfigFolder;
}

const std::string& PlayerDataFolder(const Session& session) {
    return session.DataFolder.empty() ? session.ProgramFolder : session.DataFolder;
}

}  // namespace vm

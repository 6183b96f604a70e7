#include "game/session.h"

namespace vm {

void PlayCardSound(Session& session, const char* file) {
    if (!session.options.SoundEffectsOn) return;
    session.host.PlaySoundEffect(session.ProgramFolder + file);
}

const std::string& OptionsFolder(const Session& session) {
    return session.ConfigFolder.empty() ? session.ProgramFolder : session.ConfigFolder;
}

const std::string& PlayerDataFolder(const Session& session) {
    return session.DataFolder.empty() ? session.ProgramFolder : session.DataFolder;
}

}  // namespace vm

#include "game/session.h"

namespace vm {

void PlayCardSound(Session& session, const char* file) {
    if (!session.options.SoundEffectsOn) return;
    session.host.PlaySoundEffect(session.ProgramFolder + file);
}

}  // namespace vm

#pragma once
// The music device on SDL2_mixer's MIDI playback: understands the four music commands
// (open under an alias, mode, play from the start, close); anything else does nothing.

#include <SDL_mixer.h>

#include <map>
#include <string>

#include "play/music.h"

namespace vm {

class SdlMusicDevice : public MusicDevice {
public:
    SdlMusicDevice() = default;
    SdlMusicDevice(const SdlMusicDevice&) = delete;
    SdlMusicDevice& operator=(const SdlMusicDevice&) = delete;
    ~SdlMusicDevice() override;

    // Answers "playing" or "stopped" to a mode query of an open track, else "".
    std::string Send(const std::string& command) override;

private:
    void Open(const std::string& alias, const std::string& path);
    std::string Mode(Mix_Music* track) const;
    void Play(Mix_Music* track);
    void Close(const std::string& alias);

    std::map<std::string, Mix_Music*> tracks;  // by alias
    Mix_Music* started = nullptr;              // the track last played
};

}  // namespace vm

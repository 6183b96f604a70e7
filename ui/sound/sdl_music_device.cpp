#include "ui/sound/sdl_music_device.h"

#include "play/music_command.h"
#include "ui/sound/audio.h"

namespace vm {

SdlMusicDevice::~SdlMusicDevice() {
    while (!tracks.empty()) {
        Close(tracks.begin()->first);
    }
}

std::string SdlMusicDevice::Send(const std::string& command) {
    const auto parsed = ParseMusicCommand(command);
    if (!parsed) {
        return "";
    }
    if (parsed->Verb == MusicVerb::Open) {
        Open(parsed->Alias, parsed->Path);
        return "";
    }
    const auto track = tracks.find(parsed->Alias);
    if (track == tracks.end()) {
        return "";
    }
    switch (parsed->Verb) {
    case MusicVerb::Status:
        return Mode(track->second);
    case MusicVerb::Play:
        Play(track->second);
        break;
    case MusicVerb::Close:
        Close(parsed->Alias);
        break;
    case MusicVerb::Open:
        break;
    }
    return "";
}

void SdlMusicDevice::Open(const std::string& alias, const std::string& path) {
    if (tracks.contains(alias) || !OpenAudio()) {
        return;
    }
    if (Mix_Music* track = Mix_LoadMUS(path.c_str()); track != nullptr) {
        tracks.emplace(alias, track);
    }
}

std::string SdlMusicDevice::Mode(Mix_Music* track) const {
    return track == started && Mix_PlayingMusic() != 0 ? "playing" : "stopped";
}

void SdlMusicDevice::Play(Mix_Music* track) {
    if (Mix_PlayMusic(track, 0) == 0) {
        started = track;
    }
}

void SdlMusicDevice::Close(const std::string& alias) {
    const auto track = tracks.find(alias);
    if (AudioIsOpen()) {
        Mix_FreeMusic(track->second);
    }
    if (track->second == started) {
        started = nullptr;
    }
    tracks.erase(track);
}

}  // namespace vm

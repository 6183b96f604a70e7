#include "ui/sound/sdl_music_device.h"

#include <SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "play/music_command.h"
#include "ui/sound/audio.h"
#include "ui/sound/synthesiser.h"

namespace vm {

namespace {

std::optional<std::string> ReadTrack(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// On SDL's audio thread, in place of SDL2_mixer's own music.
void SDLCALL RenderTrack(void* synth, Uint8* stream, int bytes) {
    auto& synthesiser = *static_cast<Synthesiser*>(synth);
    const int frameBytes = static_cast<int>(sizeof(std::int16_t)) * synthesiser.Channels();
    synthesiser.Render(reinterpret_cast<std::int16_t*>(stream), bytes / frameBytes);
}

}  // namespace

SdlMusicDevice::SdlMusicDevice(Loading loading) : released(loading == Loading::WhenOpened) {}

SdlMusicDevice::~SdlMusicDevice() {
    if (worker.joinable()) {
        worker.join();
    }
    const std::lock_guard lock(guard);
    StopTrack();
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
    if (!tracks.contains(parsed->Alias)) {
        return "";
    }
    switch (parsed->Verb) {
        case MusicVerb::Status:
            return Mode(parsed->Alias);
        case MusicVerb::Play:
            Play(parsed->Alias);
            break;
        case MusicVerb::Close:
            Close(parsed->Alias);
            break;
        case MusicVerb::Open:
            break;
    }
    return "";
}

void SdlMusicDevice::ReleaseLoading() {
    released = true;
    if (!tracks.empty()) {
        StartLoading();
    }
}

SdlMusicDevice::Stage SdlMusicDevice::LoadingStage() const {
    const std::lock_guard lock(guard);
    return loadingStage;
}

void SdlMusicDevice::WaitUntilLoaded() {
    if (worker.joinable()) {
        worker.join();
    }
}

void SdlMusicDevice::Open(const std::string& alias, const std::string& path) {
    if (tracks.contains(alias) || AudioUnavailable() || LoadingStage() == Stage::Failed) {
        return;
    }
    auto midiFile = ReadTrack(path);
    if (!midiFile) {
        return;
    }
    tracks.emplace(alias, std::move(*midiFile));
    if (released) {
        StartLoading();
    }
}

std::string SdlMusicDevice::Mode(const std::string& alias) const {
    const std::lock_guard lock(guard);
    if (loadingStage == Stage::Failed) {
        return "";
    }
    const bool playing =
        alias == started && (waitingTrack.has_value() || (synth != nullptr && synth->Playing()));
    return playing ? "playing" : "stopped";
}

void SdlMusicDevice::Play(const std::string& alias) {
    const std::lock_guard lock(guard);
    if (loadingStage == Stage::Failed) {
        return;
    }
    started = alias;
    if (loadingStage == Stage::Ready) {
        StartTrack(tracks.at(alias));
    } else {
        waitingTrack = tracks.at(alias);
    }
}

void SdlMusicDevice::Close(const std::string& alias) {
    const std::lock_guard lock(guard);
    if (alias == started) {
        StopTrack();
        waitingTrack.reset();
        started.clear();
    }
    tracks.erase(alias);
}

void SdlMusicDevice::StartLoading() {
    const std::lock_guard lock(guard);
    if (loadingStage == Stage::Waiting) {
        loadingStage = Stage::Loading;
        worker = std::thread(&SdlMusicDevice::Load, this);
    }
}

void SdlMusicDevice::Load() {
    std::unique_ptr<Synthesiser> loaded;
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (OpenAudio() && Mix_QuerySpec(&frequency, &format, &channels) != 0 &&
        format == AUDIO_S16SYS) {
        loaded = Synthesiser::Load(frequency, channels);
    }
    {
        const std::lock_guard lock(guard);
        synth = std::move(loaded);
        loadingStage = synth != nullptr ? Stage::Ready : Stage::Failed;
        if (synth != nullptr && waitingTrack) {
            StartTrack(*waitingTrack);
        }
        waitingTrack.reset();
    }
    // SDL keeps state (its error text) for each thread that calls it; this one ends here.
    SDL_TLSCleanup();
}

void SdlMusicDevice::StartTrack(const std::string& midiFile) {
    if (!AudioIsOpen()) {
        return;
    }
    // Unhooked, the synthesiser is not rendering while its track is replaced.
    Mix_HookMusic(nullptr, nullptr);
    synth->Start(midiFile);
    Mix_HookMusic(&RenderTrack, synth.get());
    hooked = true;
}

void SdlMusicDevice::StopTrack() {
    if (!hooked) {
        return;
    }
    if (AudioIsOpen()) {
        Mix_HookMusic(nullptr, nullptr);
    }
    hooked = false;
    synth->Stop();
}

}  // namespace vm

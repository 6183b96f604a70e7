#include "ui/sound/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>

namespace vm {

namespace {

enum class OutputState { NotTried, Open, Unavailable };

struct Output {
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    // A run that never called CloseAudio still frees its sounds on the way out.
    ~Output() { Close(); }
    void Close();

    std::mutex opening;
    std::atomic<OutputState> state = OutputState::NotTried;
    std::map<std::string, Mix_Chunk*> sounds;  // the event thread's alone
};

void Output::Close() {
    if (state == OutputState::Open) {
        Mix_HaltChannel(-1);
        for (const auto& [path, chunk] : sounds) {
            Mix_FreeChunk(chunk);
        }
        sounds.clear();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    state = OutputState::Unavailable;
}

Output& TheOutput() {
    static Output output;
    return output;
}

bool StartOutput() {
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would ignore them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    // Waves only: the tracks are rendered by our own synthesiser into the music hook.
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

Mix_Chunk* LoadedSound(const std::string& path) {
    auto& sounds = TheOutput().sounds;
    if (const auto known = sounds.find(path); known != sounds.end()) {
        return known->second;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk != nullptr) {
        sounds.emplace(path, chunk);
    }
    return chunk;
}

std::chrono::milliseconds Length(const Mix_Chunk& chunk) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const long bytesPerSecond =
        static_cast<long>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    if (bytesPerSecond <= 0) {
        return std::chrono::milliseconds(0);
    }
    return std::chrono::milliseconds(static_cast<long>(chunk.alen) * 1000 / bytesPerSecond);
}

}  // namespace

bool OpenAudio() {
    Output& output = TheOutput();
    if (output.state == OutputState::NotTried) {
        const std::lock_guard guard(output.opening);
        if (output.state == OutputState::NotTried) {
            output.state = StartOutput() ? OutputState::Open : OutputState::Unavailable;
        }
    }
    return output.state == OutputState::Open;
}

bool AudioIsOpen() { return TheOutput().state == OutputState::Open; }

bool AudioUnavailable() { return TheOutput().state == OutputState::Unavailable; }

void CloseAudio() {
    Output& output = TheOutput();
    const std::lock_guard guard(output.opening);
    output.Close();
}

void PlaySoundEffect(const std::string& path) {
    if (path.empty() || !OpenAudio() || Mix_Playing(-1) > 0) {
        return;
    }
    Mix_Chunk* chunk = LoadedSound(path);
    if (chunk == nullptr) {
        return;
    }
    const int channel = Mix_PlayChannel(-1, chunk, 0);
    if (channel < 0) {
        return;
    }
    // A stalled output must not hold the game: give up a second after the sound should end.
    const auto deadline =
        std::chrono::steady_clock::now() + Length(*chunk) + std::chrono::seconds(1);
    while (Mix_Playing(channel) != 0 && std::chrono::steady_clock::now() < deadline) {
        SDL_Delay(5);
    }
    Mix_HaltChannel(channel);
}

}  // namespace vm

#pragma once
// The music device: understands the four music commands (open under an alias, mode, play from
// the start, close); anything else does nothing. Our FluidSynth synthesiser plays the tracks
// through SDL2_mixer's music hook. It is loaded on a worker thread when the first track is
// opened, or later if the game holds it back, so no command ever waits for it; a track played
// before it is ready starts the moment it is.

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "play/music.h"

namespace vm {

class Synthesiser;

class SdlMusicDevice : public MusicDevice {
public:
    enum class Loading { WhenOpened, WhenReleased };
    enum class Stage { Waiting, Loading, Ready, Failed };

    explicit SdlMusicDevice(Loading loading = Loading::WhenOpened);
    SdlMusicDevice(const SdlMusicDevice&) = delete;
    SdlMusicDevice& operator=(const SdlMusicDevice&) = delete;
    ~SdlMusicDevice() override;

    // Answers "playing" or "stopped" to a mode query of an open track, else "".
    std::string Send(const std::string& command) override;

    // With Loading::WhenReleased: from now on the synthesiser may load (the game calls this
    // once its window has shown its first picture).
    void ReleaseLoading();
    Stage LoadingStage() const;
    // Waits until a loading under way has ended.
    void WaitUntilLoaded();

private:
    void Open(const std::string& alias, const std::string& path);
    std::string Mode(const std::string& alias) const;
    void Play(const std::string& alias);
    void Close(const std::string& alias);
    void StartLoading();
    void Load();
    // With `guard` held and the synthesiser ready.
    void StartTrack(const std::string& midiFile);
    void StopTrack();

    std::map<std::string, std::string> tracks;  // the file's bytes by alias
    std::string started;                        // the alias last played, or ""
    bool released;

    mutable std::mutex guard;  // the members below, shared with the worker
    Stage loadingStage = Stage::Waiting;
    std::unique_ptr<Synthesiser> synth;
    std::optional<std::string> waitingTrack;  // played before the synthesiser was ready
    bool hooked = false;                      // the synthesiser renders into the music hook
    std::thread worker;
};

}  // namespace vm

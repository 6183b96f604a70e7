#include "play/music.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "play/music_command.h"
#include "play/music_tracks.h"

namespace vm {

namespace {

// Only the first seven characters of the mode count: "stopped" in any case.
bool ReportsStopped(std::string reply) {
    reply = reply.substr(0, 7);
    std::transform(reply.begin(), reply.end(), reply.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return reply == "STOPPED";
}

void TakeTrackFromOptions(Session& session) {
    session.music.MusicTrackPath = MusicTrackFile(session, session.options.MusicTrack);
}

}  // namespace

MusicDevice::~MusicDevice() = default;

void PlayMidi(Session& session, MusicDevice& device) {
    session.music.MusicPlaying = true;
    device.Send(OpenCommand(session.music.MusicTrackPath));
}

void StopMidi(Session& session, MusicDevice& device) {
    session.music.MusicPlaying = false;
    device.Send(CloseCommand());
}

void Timer1_Tick(Session& session, MusicDevice& device) {
    if (!session.music.MusicPlaying) {
        return;
    }
    if (ReportsStopped(device.Send(StatusCommand()))) {
        device.Send(PlayCommand());
    }
}

void mnuMusic_Click(Session& session, MusicDevice& device) {
    bool& checked = session.view.Menu.mnuMusic.Checked;
    checked = !checked;
    session.options.BackgroundMusicOn = checked;
    if (checked) {
        PlayMidi(session, device);
    } else {
        StopMidi(session, device);
    }
}

void StartMusic(Session& session, MusicDevice& device) {
    const bool on = session.options.BackgroundMusicOn;
    session.music.MusicPlaying = on;
    TakeTrackFromOptions(session);
    session.view.Menu.mnuMusic.Checked = on;
    if (on) {
        PlayMidi(session, device);
    }
}

void AfterMusicDialog(Session& session, MusicDevice& device) {
    if (!session.music.MusicTrackChanged) {
        return;
    }
    // Acted on once: a later close of the dialog without a new choice leaves the music alone.
    session.music.MusicTrackChanged = false;
    TakeTrackFromOptions(session);
    if (session.music.MusicPlaying) {
        StopMidi(session, device);
        PlayMidi(session, device);
    }
}

}  // namespace vm

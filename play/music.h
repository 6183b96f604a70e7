#pragma once
// The background track: the command strings sent to the music device, and the menu, timer,
// dialog, start-up and shutdown steps that send them.

#include <string>

#include "play/session.h"

namespace vm {

// A sequencer driven by command strings, like a multimedia command interface: every command
// answers with a text, "" when it has nothing to say or failed.
class MusicDevice {
public:
    virtual ~MusicDevice();
    virtual std::string Send(const std::string& command) = 0;
};

// Sets MusicPlaying and opens the track; the next Timer1 tick starts it.
void PlayMidi(Session& session, MusicDevice& device);
// Clears MusicPlaying and closes the track, even when none is open; also the shutdown step.
void StopMidi(Session& session, MusicDevice& device);
// Every five seconds: plays a stopped track again from its beginning while music is on.
void Timer1_Tick(Session& session, MusicDevice& device);
// Background Music: switches the music off or on and ticks the menu item to match.
void mnuMusic_Click(Session& session, MusicDevice& device);
// Start-up, after the options are read: applies BackgroundMusicOn and MusicTrack.
void StartMusic(Session& session, MusicDevice& device);
// After the Music dialog has closed: a newly chosen track replaces a playing one.
void AfterMusicDialog(Session& session, MusicDevice& device);

}  // namespace vm

#pragma once
// The sound output of the run: SDL2_mixer on SDL's audio alone, opened once. Without a sound
// device, a SoundFont or a readable file everything here stays silent and returns at once.

#include <string>

namespace vm {

// Opens the output on the first call; later calls only tell whether it is open. Any thread
// may call it: a call during another's opening waits for its outcome.
bool OpenAudio();
// True between a successful OpenAudio and CloseAudio.
bool AudioIsOpen();
// True once opening the output has failed, or after CloseAudio.
bool AudioUnavailable();
// Frees the loaded sounds and closes the output for the rest of the run. Close music devices
// first: their tracks belong to the output.
void CloseAudio();

// Plays a wave file to its end before returning. Skipped while another sound still plays;
// nothing happens when the file cannot be loaded or there is no output.
void PlaySoundEffect(const std::string& path);

}  // namespace vm

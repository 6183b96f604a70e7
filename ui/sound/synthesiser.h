#pragma once
// The MIDI synthesiser of the background tracks: FluidSynth with a General MIDI SoundFont,
// set up for a card game's tunes rather than for a concert. Renders on demand into a buffer;
// whoever drives it keeps Start and Stop from running while it renders.

#include <cstdint>
#include <memory>
#include <string>

namespace vm {

class Synthesiser {
public:
    // Loads the SoundFont, for frames of `channelCount` 16-bit samples at the given rate; nullptr
    // when there is none or it cannot be read. Takes tens of milliseconds: not for the event
    // thread.
    static std::unique_ptr<Synthesiser> Load(int sampleRate, int channelCount);
    Synthesiser(const Synthesiser&) = delete;
    Synthesiser& operator=(const Synthesiser&) = delete;
    ~Synthesiser();

    // Plays the bytes of a MIDI file from its beginning, after silencing whatever sounded;
    // a broken file ends at once.
    void Start(const std::string& midiFile);
    // Ends the track and silences every voice.
    void Stop();
    // True from Start until the track's last event has been rendered.
    bool Playing() const;
    // Renders the next frames: left and right on the first two channels of a frame, silence
    // on any others, both mixed on a single one.
    void Render(std::int16_t* samples, int frames);
    int Channels() const { return channels; }

private:
    struct Parts;
    Synthesiser(std::unique_ptr<Parts> loaded, int channelCount);
    std::unique_ptr<Parts> parts;
    int channels;
};

}  // namespace vm

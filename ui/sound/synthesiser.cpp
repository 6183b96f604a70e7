#include "ui/sound/synthesiser.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <mutex>

namespace vm {

namespace {

// TimGM6mb first, by name: Debian's default-GM.sf2 may point at a SoundFont of 148 MB.
constexpr std::array SoundFonts{
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

// Our tracks sound fewer than 30 voices at once; the rest is room for release tails.
constexpr int Polyphony = 64;
// SDL_mixer played them with a gain of 1.2 through reverb and chorus; this is as loud without.
constexpr double Gain = 1.4;

const char* FirstSoundFont() {
    for (const char* candidate : SoundFonts) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return nullptr;
}

// A broken track is silent: FluidSynth would otherwise report it on the terminal.
void SilenceLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
            fluid_set_log_function(level, nullptr, nullptr);
        }
    });
}

}  // namespace

struct Synthesiser::Parts {
    Parts() = default;
    Parts(const Parts&) = delete;
    Parts& operator=(const Parts&) = delete;
    ~Parts() {
        if (player != nullptr) {
            delete_fluid_player(player);
        }
        if (synth != nullptr) {
            delete_fluid_synth(synth);
        }
        if (settings != nullptr) {
            delete_fluid_settings(settings);
        }
    }

    // FluidSynth's player goes on reporting a track as playing for about three seconds after
    // its last event; the track ends for us with that event.
    static int NoteTick(void* data, int tick) {
        Parts& parts = *static_cast<Parts*>(data);
        if (parts.trackTicks == 0) {
            parts.trackTicks = fluid_player_get_total_ticks(parts.player);
        }
        if (tick >= parts.trackTicks) {
            parts.ended = true;
        }
        return FLUID_OK;
    }

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;  // the track under way, if any
    int trackTicks = 0;                // its length, known to the rendering thread once read
    std::atomic<bool> ended = false;   // its last event has been rendered
};

std::unique_ptr<Synthesiser> Synthesiser::Load(int sampleRate, int channelCount) {
    const char* soundFont = FirstSoundFont();
    if (soundFont == nullptr || channelCount < 1) {
        return nullptr;
    }
    SilenceLog();
    auto parts = std::make_unique<Parts>();
    parts->settings = new_fluid_settings();
    if (parts->settings == nullptr) {
        return nullptr;
    }
    fluid_settings_t* settings = parts->settings;
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    // Only the samples of the instruments a track selects are read, not the whole SoundFont.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.polyphony", Polyphony);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setnum(settings, "synth.gain", Gain);
    // The track advances with the rendered samples: no timer thread, and a file rendered by
    // the disk driver keeps its time.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    // The last notes of a track ring out; Start silences what is left instead.
    fluid_settings_setint(settings, "player.reset-synth", 0);
    parts->synth = new_fluid_synth(settings);
    if (parts->synth == nullptr || fluid_synth_sfload(parts->synth, soundFont, 1) == FLUID_FAILED) {
        return nullptr;
    }
    return std::unique_ptr<Synthesiser>(new Synthesiser(std::move(parts), channelCount));
}

Synthesiser::Synthesiser(std::unique_ptr<Parts> loaded, int channelCount)
    : parts(std::move(loaded)), channels(channelCount) {}

Synthesiser::~Synthesiser() = default;

void Synthesiser::Start(const std::string& midiFile) {
    Stop();
    parts->player = new_fluid_player(parts->synth);
    parts->trackTicks = 0;
    parts->ended = false;
    if (parts->player != nullptr &&
        fluid_player_add_mem(parts->player, midiFile.data(), midiFile.size()) == FLUID_OK) {
        fluid_player_set_tick_callback(parts->player, &Parts::NoteTick, parts.get());
        fluid_player_play(parts->player);
    }
}

void Synthesiser::Stop() {
    if (parts->player != nullptr) {
        delete_fluid_player(parts->player);
        parts->player = nullptr;
    }
    // Programs and controllers as at power-on; a reset alone lets the notes ring out.
    fluid_synth_system_reset(parts->synth);
    fluid_synth_all_sounds_off(parts->synth, -1);
}

bool Synthesiser::Playing() const {
    return parts->player != nullptr && !parts->ended &&
           fluid_player_get_status(parts->player) == FLUID_PLAYER_PLAYING;
}

void Synthesiser::Render(std::int16_t* samples, int frames) {
    if (channels == 2) {
        fluid_synth_write_s16(parts->synth, frames, samples, 0, 2, samples, 1, 2);
        return;
    }
    constexpr int BlockFrames = 256;
    std::array<std::int16_t, 2 * BlockFrames> stereo{};
    while (frames > 0) {
        const int block = std::min(frames, BlockFrames);
        fluid_synth_write_s16(parts->synth, block, stereo.data(), 0, 2, stereo.data(), 1, 2);
        for (int frame = 0; frame < block; ++frame) {
            const std::int16_t left = stereo[2 * frame];
            const std::int16_t right = stereo[2 * frame + 1];
            std::int16_t* out = samples + frame * channels;
            if (channels == 1) {
                out[0] = static_cast<std::int16_t>((left + right) / 2);
                continue;
            }
            std::fill(out, out + channels, std::int16_t{0});
            out[0] = left;
            out[1] = right;
        }
        samples += block * channels;
        frames -= block;
    }
}

}  // namespace vm

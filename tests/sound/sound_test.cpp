// The card sounds and the background music through the output, whose mixed frames are the
// clock, and the synthesiser rendered by hand, whose rendered frames are: no test waits on the
// wall clock.
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "play/music_command.h"
#include "ui/sound/audio.h"
#include "ui/sound/sdl_music_device.h"
#include "ui/sound/synthesiser.h"

namespace vm {
namespace {

using namespace std::string_literals;

constexpr int FramesPerSecond = 44100;  // the output's rate

// A one-track MIDI file: a piano chord held for half a second (480 ticks at 960 a second).
const std::string HalfSecondChord =
    "MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0"
    "MTrk\x00\x00\x00\x27"
    "\x00\xFF\x51\x03\x07\xA1\x20\x00\xC0\x00"          // tempo, piano
    "\x00\x90\x3C\x64\x00\x90\x40\x64\x00\x90\x43\x64"  // the chord
    "\x83\x60\x80\x3C\x40\x00\x80\x40\x40\x00\x80\x43\x40\x00\xFF\x2F\x00"s;

int Peak(const std::int16_t* samples, std::size_t count) {
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    return peak;
}

// The frames the output has mixed, and its loudest sample since a test last set it to 0.
std::atomic<long> framesMixed = 0;
std::atomic<int> peakMixed = 0;

class SoundTest : public ::testing::Test {
protected:
    ~SoundTest() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(folder);
        std::ofstream(folder + name, std::ios::binary) << bytes;
        return folder + name;
    }

    // Opens the output (SDL's dummy driver unless another was chosen) and from then on counts
    // what it mixes, stereo 16-bit, on SDL's audio thread.
    static void OpenCounted() {
        ASSERT_TRUE(OpenAudio());
        Mix_SetPostMix(
            [](void*, Uint8* stream, int bytes) {
                const int peak = Peak(reinterpret_cast<const std::int16_t*>(stream), bytes / 2);
                int seen = peakMixed;
                while (peak > seen && !peakMixed.compare_exchange_weak(seen, peak)) {
                }
                framesMixed += bytes / 4;
            },
            nullptr);
    }

    // Its name holds blanks, two in a row, as a player's folder may: a track opened there
    // reads back from its quoted path.
    const std::string folder =
        ::testing::TempDir() + "velmoria  sound " + std::to_string(::getpid()) + "/";
};

using AudioTest = SoundTest;

// The shipped card sounds are short, for the game waits for them, audible over the music and
// not clipped; a missing or broken file is silent and never holds the game. Every file SDL
// cannot load takes the same way, so one missing and one broken stand for them all.
TEST_F(AudioTest, ACardSoundHoldsTheGameToItsEndAndAMissingOrBrokenOneIsSilent) {
    OpenCounted();
    const struct {
        std::string path;
        double shortest = 0, longest = 0;  // seconds; none when silent
    } sounds[] = {
        {folder + "gone.wav"},
        {Write("noise.wav", std::string(3000, '\x5A'))},
        {""},
        {"Card_down.wav", 0.09, 0.15},
        {"Card_up.wav", 0.12, 0.18},
    };
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.path);
        peakMixed = 0;
        const long start = framesMixed;
        PlaySoundEffect(sound.path);
        const long held = framesMixed - start;
        EXPECT_EQ(Mix_Playing(-1), 0) << "still sounding when the game goes on";
        if (sound.longest == 0) {
            EXPECT_EQ(peakMixed, 0);
            continue;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(sound.path.c_str());
        ASSERT_NE(chunk, nullptr);
        const long frames = chunk->alen / 4;
        Mix_FreeChunk(chunk);
        EXPECT_GE(frames, sound.shortest * FramesPerSecond);
        EXPECT_LE(frames, sound.longest * FramesPerSecond);
        EXPECT_GE(held, frames - 1024) << "one buffer may be under way";
        EXPECT_GT(peakMixed, 32767 / 10) << "too quiet to hear over music";
        EXPECT_LT(peakMixed, 32767) << "clipped";
    }
}

// The output is opened once a run, so the failing opening happens in a child process.
TEST_F(AudioTest, WithoutADeviceCardSoundsAndMusicAreSilentAndTheGameGoesOn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            PlaySoundEffect("Card_up.wav");
            int answered = 0;
            {
                SdlMusicDevice device;
                for (const std::string& command :
                     {OpenCommand("haiku.mid"), PlayCommand(), StatusCommand(), CloseCommand()})
                    answered += device.Send(command).empty() ? 0 : 1;
            }
            std::_Exit(answered == 0 && AudioUnavailable() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

using SynthesiserTest = SoundTest;

struct Rendered {
    double seconds = 0;  // until the track ended
    int peak = 0;
};

// Renders a tenth of a second at a time until the track has ended, at most `limit` seconds.
Rendered RenderUntilEnded(Synthesiser& synth, int rate, double limit) {
    std::vector<std::int16_t> block(static_cast<std::size_t>(rate / 10 * synth.Channels()));
    Rendered rendered;
    for (; synth.Playing() && rendered.seconds < limit; rendered.seconds += 0.1) {
        synth.Render(block.data(), rate / 10);
        rendered.peak = std::max(rendered.peak, Peak(block.data(), block.size()));
    }
    return rendered;
}

// The game's timer asks every five seconds whether the track has stopped and plays it again if
// so; a track reported playing for seconds after its end would leave a longer silence. Noise
// and nothing stand for every broken track: our code only asks FluidSynth whether it plays.
// Playing a track again from its start is the device's test.
TEST_F(SynthesiserTest, ATrackEndsWithItsLastNoteABrokenOneAtOnceInSilenceAndStoppingSilences) {
    auto synth = Synthesiser::Load(FramesPerSecond, 2);
    ASSERT_NE(synth, nullptr) << "no SoundFont: scripts/setup installs timgm6mb-soundfont";
    EXPECT_FALSE(synth->Playing());
    const struct {
        const char* what;
        std::string track;
        double shortest, longest;  // seconds
    } tracks[] = {
        {"a chord of half a second", HalfSecondChord, 0.5, 0.7},
        {"noise", std::string(500, '\x33'), 0, 0.1},
        {"nothing", "", 0, 0.1},
    };
    for (const auto& track : tracks) {
        SCOPED_TRACE(track.what);
        synth->Start(track.track);
        const Rendered rendered = RenderUntilEnded(*synth, FramesPerSecond, 10);
        EXPECT_GE(rendered.seconds, track.shortest);
        EXPECT_LE(rendered.seconds, track.longest + 0.01);
        EXPECT_EQ(rendered.peak > 1000, track.shortest > 0);
    }

    // Stopping silences the notes still sounding within a tenth of a second; what is left is
    // the dither of the lowest bit.
    synth->Start(HalfSecondChord);
    ASSERT_GT(RenderUntilEnded(*synth, FramesPerSecond, 0.1).peak, 1000);
    synth->Stop();
    EXPECT_FALSE(synth->Playing());
    std::vector<std::int16_t> block(FramesPerSecond / 10 * 2);
    for (int tenth = 0; tenth < 2; ++tenth) synth->Render(block.data(), FramesPerSecond / 10);
    EXPECT_LE(Peak(block.data(), block.size()), 2);
}

// Rendered at a low rate to keep the test quick: the length does not depend on it. A track
// missing here is empty and ends at once.
TEST_F(SynthesiserTest, EveryShippedTrackIsATuneOfOneToThreeMinutes) {
    constexpr int Rate = 8000;
    auto synth = Synthesiser::Load(Rate, 1);
    ASSERT_NE(synth, nullptr);
    for (const char* track : {"haiku.mid", "sakura.mid", "tsukimi.mid"}) {
        SCOPED_TRACE(track);
        std::ifstream in(track, std::ios::binary);
        synth->Start({std::istreambuf_iterator<char>(in), {}});
        const Rendered rendered = RenderUntilEnded(*synth, Rate, 200);
        EXPECT_GE(rendered.seconds, 60);
        EXPECT_LE(rendered.seconds, 180);
        EXPECT_GT(rendered.peak, 1000);
    }
}

// A device may give other channel counts than the two asked for.
TEST_F(SynthesiserTest, OneChannelHoldsBothSidesAndMoreChannelsHoldThemFirst) {
    constexpr int Frames = FramesPerSecond / 5;
    std::vector<std::vector<std::int16_t>> rendered;
    for (int channels : {2, 1, 6}) {
        auto synth = Synthesiser::Load(FramesPerSecond, channels);
        ASSERT_NE(synth, nullptr);
        synth->Start(HalfSecondChord);
        rendered.emplace_back(Frames * channels);
        synth->Render(rendered.back().data(), Frames);
    }
    const auto& stereo = rendered[0];
    ASSERT_GT(Peak(stereo.data(), stereo.size()), 1000);
    std::vector<std::int16_t> mono, six;
    for (int frame = 0; frame < Frames; ++frame) {
        const std::int16_t left = stereo[2 * frame], right = stereo[2 * frame + 1];
        mono.push_back(static_cast<std::int16_t>((left + right) / 2));
        six.insert(six.end(), {left, right, 0, 0, 0, 0});
    }
    EXPECT_EQ(rendered[1], mono);
    EXPECT_EQ(rendered[2], six);
}

class SdlMusicDeviceTest : public SoundTest {
protected:
    SdlMusicDeviceTest() { OpenCounted(); }

    static std::string Mode(SdlMusicDevice& device) { return device.Send(StatusCommand()); }
    // Whether a synthesiser renders into SDL2_mixer's music.
    static bool Hooked() { return Mix_GetMusicHookData() != nullptr; }
};

// The game's timer asks every five seconds whether the track has stopped, and plays it again;
// a missing track never opens. Broken tracks end in silence in the synthesiser, tested above.
TEST_F(SdlMusicDeviceTest, ATrackPlaysToItsEndAndAgainAndAMissingOneIsSilent) {
    SdlMusicDevice device;
    for (const bool there : {true, false}) {
        SCOPED_TRACE(there ? "a track" : "a missing track");
        const std::string path = there ? Write("haiku.mid", HalfSecondChord) : folder + "gone.mid";
        EXPECT_EQ(device.Send(OpenCommand(path)), "");
        const std::string stopped = there ? "stopped" : "";
        EXPECT_EQ(Mode(device), stopped);
        device.WaitUntilLoaded();
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            peakMixed = 0;
            EXPECT_EQ(device.Send(PlayCommand()), "");
            EXPECT_EQ(Mode(device), there ? "playing" : "");
            const long start = framesMixed;  // up to five seconds of frames for the track to end
            while (Mode(device) == "playing" && framesMixed - start < 5 * FramesPerSecond)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            const long frames = framesMixed - start;
            EXPECT_EQ(Mode(device), stopped);
            EXPECT_EQ(peakMixed > 1000, there);
            EXPECT_GE(frames, there ? FramesPerSecond * 45 / 100 : 0);
        }
        EXPECT_EQ(device.Send(CloseCommand()), "");
    }
}

// How the game starts: the track is opened and played before the synthesiser may load.
TEST_F(SdlMusicDeviceTest, HeldBackItPlaysOnceReleasedAndClosingOrEndingTheDeviceSilencesIt) {
    const std::string track = Write("haiku.mid", HalfSecondChord);
    {
        SdlMusicDevice device(SdlMusicDevice::Loading::WhenReleased);
        device.Send(OpenCommand(track));
        // Other aliases and commands leave the opened track alone.
        for (const char* command : {"STATUS Other MODE", "PLAY Other FROM 0", "CLOSE Other",
                                    "PAUSE BackgroundMusic", "SEEK BackgroundMusic TO START", "",
                                    "OPEN /elsewhere.mid TYPE SEQUENCER ALIAS BackgroundMusic"}) {
            EXPECT_EQ(device.Send(command), "") << command;
            EXPECT_EQ(Mode(device), "stopped") << command;
        }
        device.Send(PlayCommand());
        EXPECT_EQ(Mode(device), "playing");
        EXPECT_EQ(device.LoadingStage(), SdlMusicDevice::Stage::Waiting);
        EXPECT_FALSE(Hooked());
        device.ReleaseLoading();
        device.WaitUntilLoaded();
        EXPECT_TRUE(Hooked());
        EXPECT_EQ(Mode(device), "playing");

        device.Send(CloseCommand());
        EXPECT_FALSE(Hooked());
        EXPECT_EQ(Mode(device), "");
        EXPECT_EQ(device.Send(CloseCommand()), "");
        device.Send(OpenCommand(track));
        device.Send(PlayCommand());
        EXPECT_TRUE(Hooked());
    }
    EXPECT_FALSE(Hooked());
    EXPECT_TRUE(AudioIsOpen());
}

}  // namespace
}  // namespace vm

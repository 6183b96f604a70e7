// The output is opened once a run, so this test's failing opening happens in a child process.

#include <cstdlib>
#include <filesystem>

#include "play/music_command.h"
#include "tests/sound/sound_fixture.h"
#include "ui/sound/audio.h"
#include "ui/sound/sdl_music_device.h"

namespace vm {
namespace {

using namespace testing_sound;

using NoDeviceTest = SoundTest;

TEST_F(NoDeviceTest, CardSoundsAndMusicAreSilentAndTheGameGoesOn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string wave = Write("Card_up.wav", WaveBytes(0.3));
    const std::string track = Write("haiku.mid", MidiBytes(1.0));
    EXPECT_EXIT(
        {
            ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            PlaySoundEffect(wave);
            int answered = 0;
            {
                SdlMusicDevice device;
                for (const std::string& command :
                     {OpenCommand(track), PlayCommand(), StatusCommand(), CloseCommand()})
                    answered += device.Send(command).empty() ? 0 : 1;
            }
            std::filesystem::remove_all(folder);  // the child ends without the fixture's cleanup
            std::_Exit(answered == 0 && AudioUnavailable() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vm

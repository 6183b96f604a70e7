// The window's first picture comes before anything of the synthesiser, wired as the game's
// main() wires them: the music device is released by the window's first-frame signal.

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <optional>

#include "play/music_command.h"
#include "records/atomic_write.h"
#include "ui/qt/table_widget.h"
#include "ui/sound/sdl_music_device.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

using Stage = SdlMusicDevice::Stage;

TEST(FirstFrame, TheSynthesiserLoadsAfterTheFirstPictureAndOnlyWithMusicOn) {
    EnsureApplication();
    for (const bool musicOn : {true, false}) {
        SCOPED_TRACE(musicOn ? "music on" : "music off");
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/");
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/haiku.mid",
                                folder + "haiku.mid"));
        EXPECT_EQ(WriteFileAtomically(folder.toStdString() + "VELMORIA.INI",
                                      musicOn ? "[music]=on\r\n" : "[music]=off\r\n"),
                  std::nullopt);

        SdlMusicDevice music(SdlMusicDevice::Loading::WhenReleased);
        Form1 form(folder, music);
        QObject::connect(&form, &Form1::firstFramePainted, [&music] { music.ReleaseLoading(); });
        // The table's first paint, just done, comes before the window's queued signal.
        std::optional<Stage> stageAtFirstPaint;
        QObject::connect(form.findChild<TableWidget*>(), &TableWidget::firstPainted,
                         [&] { stageAtFirstPaint = music.LoadingStage(); });
        QSignalSpy painted(&form, &Form1::firstFramePainted);

        EXPECT_EQ(music.Send(StatusCommand()), musicOn ? "stopped" : "") << "the track is open";
        form.show();
        ASSERT_TRUE(painted.wait());
        EXPECT_EQ(stageAtFirstPaint, Stage::Waiting);
        music.WaitUntilLoaded();
        EXPECT_EQ(music.LoadingStage(), musicOn ? Stage::Ready : Stage::Waiting);
        form.close();
    }
}

}  // namespace
}  // namespace vm::test

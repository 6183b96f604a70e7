#include <QApplication>
#include <QFile>
#include <chrono>

#include "records/data_folders.h"
#include "ui/qt/form1.h"
#include "ui/qt/message_boxes.h"
#include "ui/sound/audio.h"
#include "ui/sound/sdl_music_device.h"

namespace {

// scripts/bench-startup names a file here; it receives the wall-clock time of the first
// painted frame in microseconds since the epoch, to be set against the moment it started us.
void RecordFirstFrameFor(const vm::Form1& form) {
    const QString path = qEnvironmentVariable("VELMORIA_FIRST_FRAME_FILE");
    if (path.isEmpty())
        return;
    QObject::connect(&form, &vm::Form1::firstFramePainted, [path] {
        QFile file(path);
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(static_cast<qint64>(
                std::chrono::duration_cast<std::chrono::microseconds>(now).count())));
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmoria"));
    // The desktop entry's name: the desktop shows the menu's icon and name for the window.
    QApplication::setDesktopFileName(QStringLiteral("org.velmoria.velmoria"));
    const vm::FolderSearch folders = vm::FindDataFolders(
        QApplication::applicationDirPath().toStdString(), vm::ReadPlayerEnvironment());
    if (!folders.Found) {
        vm::showNotice(nullptr, QString::fromStdString(vm::MissingAssetsMessage(folders)));
        return 1;
    }
    int status = 0;
    {
        // The synthesiser loads once the player sees the table, well before the first tick.
        vm::SdlMusicDevice music(vm::SdlMusicDevice::Loading::WhenReleased);
        vm::Form1 form(*folders.Found, music);
        RecordFirstFrameFor(form);
        QObject::connect(&form, &vm::Form1::firstFramePainted,
                         [&music] { music.ReleaseLoading(); });
        form.show();
        status = QApplication::exec();
    }
    vm::CloseAudio();
    return status;
}

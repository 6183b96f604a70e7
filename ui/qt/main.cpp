#include <QApplication>

#include "records/data_folders.h"
#include "ui/sound/audio.h"
#include "ui/sound/sdl_music_device.h"
#include "ui/qt/form1.h"
#include "ui/qt/message_boxes.h"

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
        vm::SdlMusicDevice music;
        vm::Form1 form(*folders.Found, music);
        form.show();
        status = QApplication::exec();
    }
    vm::CloseAudio();
    return status;
}

#include <QApplication>

#include "ui/sound/audio.h"
#include "ui/sound/sdl_music_device.h"
#include "ui/qt/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmoria"));
    int status = 0;
    {
        vm::SdlMusicDevice music;
        vm::Form1 form(QApplication::applicationDirPath() + QStringLiteral("/"), music);
        form.show();
        status = QApplication::exec();
    }
    vm::CloseAudio();
    return status;
}

#pragma once
// The window icon (two fanned cards) and the music list's note icon.

#include <QImage>

namespace vm {

QImage PaintWindowIcon(int size);
QImage PaintMusicIcon(int size);

}  // namespace vm

#pragma once
// Windows icon files holding several sizes of one picture.

#include <QByteArray>
#include <QImage>
#include <vector>

namespace vm {

// One entry per image, in the order given. Images below 256 pixels are stored as 32-bit
// bitmaps with an AND mask (the form every icon reader knows); 256-pixel images as PNG.
QByteArray EncodeIco(const std::vector<QImage>& images);

}  // namespace vm

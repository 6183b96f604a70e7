#pragma once
// Card pictures ship as plain 24-bit BMP files, which every picture loader reads.

#include <QByteArray>
#include <QImage>

namespace vm {

// Uncompressed 24 bits per pixel, rows bottom-up, each row padded to four bytes.
QByteArray EncodeBmp24(const QImage& image);

}  // namespace vm

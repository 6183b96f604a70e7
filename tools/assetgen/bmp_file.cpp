#include "tools/assetgen/bmp_file.h"

#include "tools/assetgen/byte_writer.h"

namespace vm {

namespace {
constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PixelsPerMetre = 2835;  // 72 dots per inch
}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::uint32_t>(rgb.width());
    const auto height = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * height;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(FileHeaderSize + InfoHeaderSize + pixelBytes));
    out.append("BM");
    AppendLe32(out, FileHeaderSize + InfoHeaderSize + pixelBytes);
    AppendLe32(out, 0);
    AppendLe32(out, FileHeaderSize + InfoHeaderSize);

    AppendLe32(out, InfoHeaderSize);
    AppendLe32(out, width);
    AppendLe32(out, height);
    AppendLe16(out, 1);   // planes
    AppendLe16(out, 24);  // bits per pixel
    AppendLe32(out, 0);   // no compression
    AppendLe32(out, pixelBytes);
    AppendLe32(out, PixelsPerMetre);
    AppendLe32(out, PixelsPerMetre);
    AppendLe32(out, 0);
    AppendLe32(out, 0);

    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        for (std::uint32_t pad = width * 3; pad < rowBytes; ++pad) {
            out.append('\0');
        }
    }
    return out;
}

}  // namespace vm

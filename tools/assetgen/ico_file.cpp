#include "tools/assetgen/ico_file.h"

#include <QBuffer>

#include "tools/assetgen/byte_writer.h"

namespace vm {

namespace {

constexpr std::uint32_t DirectoryHeaderSize = 6;
constexpr std::uint32_t DirectoryEntrySize = 16;
constexpr int LargestBitmapEntry = 255;

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A DIB whose height counts the colour rows and the mask rows together.
QByteArray EncodeIconBitmap(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const auto width = static_cast<std::uint32_t>(argb.width());
    const auto height = static_cast<std::uint32_t>(argb.height());
    const std::uint32_t maskRowBytes = (width + 31) / 32 * 4;

    QByteArray out;
    AppendLe32(out, 40);
    AppendLe32(out, width);
    AppendLe32(out, height * 2);
    AppendLe16(out, 1);
    AppendLe16(out, 32);
    AppendLe32(out, 0);
    AppendLe32(out, (width * 4 + maskRowBytes) * height);
    for (int i = 0; i < 4; ++i) {
        AppendLe32(out, 0);
    }
    for (int y = argb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
            out.append(static_cast<char>(qAlpha(line[x])));
        }
    }
    for (int y = argb.height() - 1; y >= 0; --y) {
        QByteArray maskRow(static_cast<qsizetype>(maskRowBytes), '\0');
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(maskRow);
    }
    return out;
}

}  // namespace

QByteArray EncodeIco(const std::vector<QImage>& images) {
    std::vector<QByteArray> payloads;
    for (const QImage& image : images) {
        payloads.push_back(image.width() > LargestBitmapEntry ? EncodePng(image)
                                                              : EncodeIconBitmap(image));
    }

    QByteArray out;
    AppendLe16(out, 0);
    AppendLe16(out, 1);
    AppendLe16(out, static_cast<std::uint32_t>(images.size()));
    auto offset =
        static_cast<std::uint32_t>(DirectoryHeaderSize + DirectoryEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A size byte of 0 stands for 256.
        out.append(static_cast<char>(images[i].width() & 0xFF));
        out.append(static_cast<char>(images[i].height() & 0xFF));
        out.append('\0');
        out.append('\0');
        AppendLe16(out, 1);
        AppendLe16(out, 32);
        AppendLe32(out, static_cast<std::uint32_t>(payloads[i].size()));
        AppendLe32(out, offset);
        offset += static_cast<std::uint32_t>(payloads[i].size());
    }
    for (const QByteArray& payload : payloads) {
        out.append(payload);
    }
    return out;
}

}  // namespace vm

#include "tools/assetgen/picture_compare.h"

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vm {

namespace {

struct Decoded {
    QByteArray format;
    std::vector<QImage> images;
};

Decoded Decode(const QString& path) {
    QImageReader reader(path);
    Decoded decoded{reader.format(), {}};
    // An icon holds one image per size; other formats hold one.
    do {
        QImage image = reader.read();
        if (image.isNull()) break;
        decoded.images.push_back(image.convertToFormat(QImage::Format_ARGB32));
    } while (reader.jumpToNextImage());
    return decoded;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

QString ImageDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return QStringLiteral("sizes differ");
    const qsizetype pixels = qsizetype(a.width()) * a.height();
    const qsizetype allowed =
        std::max<qsizetype>(MinDifferingPixels, pixels / PixelsPerDifferingPixel);
    qsizetype differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int distance = ChannelDistance(lineA[x], lineB[x]);
            if (distance > PictureLevelTolerance)
                return QStringLiteral("pixel (%1, %2) differs by %3 levels")
                    .arg(x)
                    .arg(y)
                    .arg(distance);
            differing += distance > 0;
        }
    }
    if (differing > allowed)
        return QStringLiteral("%1 of %2 pixels differ").arg(differing).arg(pixels);
    return {};
}

}  // namespace

QString PictureDifference(const QString& first, const QString& second) {
    const Decoded a = Decode(first);
    const Decoded b = Decode(second);
    if (a.images.empty() || b.images.empty()) return QStringLiteral("not a picture");
    if (a.format != b.format || a.images.size() != b.images.size())
        return QStringLiteral("formats differ");
    for (std::size_t i = 0; i < a.images.size(); ++i) {
        const QString difference = ImageDifference(a.images[i], b.images[i]);
        if (!difference.isEmpty())
            return a.images.size() == 1 ? difference
                                        : QStringLiteral("image %1: %2").arg(i + 1).arg(difference);
    }
    return {};
}

}  // namespace vm

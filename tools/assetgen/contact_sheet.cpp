#include "tools/assetgen/contact_sheet.h"

#include <QPainter>

#include "tools/assetgen/asset_fonts.h"
#include "tools/assetgen/card_back.h"
#include "tools/assetgen/card_face.h"
#include "tools/assetgen/card_geometry.h"

namespace vm {

namespace {

constexpr int Gap = 6;
constexpr int LabelWidth = 40;
constexpr int HalfWidth = CardPixelWidth / 2;
constexpr int HalfHeight = CardPixelHeight / 2;
constexpr int RowHeight = CardPixelHeight + Gap;

QImage HalfSize(const QImage& card) {
    return card.scaled(HalfWidth, HalfHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage PaintContactSheet() {
    const int fullBlock = 4 * (CardPixelWidth + Gap) + Gap;
    const int halfBlock = 4 * (HalfWidth + Gap) + Gap;
    QImage sheet(LabelWidth + 2 * fullBlock + 2 * halfBlock, 13 * RowHeight + Gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x3a, 0x5a, 0x40));
    QPainter p(&sheet);
    p.setFont(LabelFont(14, true));
    p.setPen(Qt::white);

    const auto& designs = AllCardDesigns();
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const int row = static_cast<int>(i / 4);
        const int column = static_cast<int>(i % 4);
        const int y = Gap + row * RowHeight;
        if (column == 0) {
            p.drawText(QRect(0, y, LabelWidth, CardPixelHeight), Qt::AlignCenter,
                       QString::number(row + 1));
        }
        const QImage marked = PaintCardFace(designs[i], true);
        const QImage plain = PaintCardFace(designs[i], false);
        int x = LabelWidth + Gap + column * (CardPixelWidth + Gap);
        p.drawImage(x, y, marked);
        p.drawImage(x + fullBlock, y, plain);
        x = LabelWidth + 2 * fullBlock + Gap + column * (HalfWidth + Gap);
        p.drawImage(x, y, HalfSize(marked));
        p.drawImage(x + halfBlock, y, HalfSize(plain));
    }
    const int lastRow = Gap + 12 * RowHeight;
    p.drawImage(LabelWidth + Gap, lastRow, PaintCardBack());
    p.drawImage(LabelWidth + 2 * fullBlock + Gap, lastRow, HalfSize(PaintCardBack()));
    return sheet;
}

}  // namespace vm

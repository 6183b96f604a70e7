#include "tools/assetgen/asset_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <stdexcept>

namespace vm {

namespace {

QString LoadFamily(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        throw std::runtime_error("font not found: " + path.toStdString());
    }
    return families.first();
}

QFont MakeFont(const QString& family, double pixelSize) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QFont BrushFont(double pixelSize) {
    static const QString family =
        LoadFamily("/usr/share/fonts/truetype/aoyagi-kouzan-t/AoyagiKouzanT.ttf");
    return MakeFont(family, pixelSize);
}

QFont LabelFont(double pixelSize, bool bold) {
    static const QString regular = LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    static const QString heavy = LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    return MakeFont(bold ? heavy : regular, pixelSize);
}

}  // namespace vm

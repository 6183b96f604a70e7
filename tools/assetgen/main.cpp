// velmoria-assetgen OUTPUT_FOLDER [--contact-sheet SHEET.png]
// Regenerates every asset the game ships; the same sources always give the same bytes.
// velmoria-assetgen --compare PICTURE PICTURE
// Succeeds when the two pictures look the same, allowing for the processor that drew them.
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

#include "tools/assetgen/asset_writer.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/picture_compare.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--compare") {
        const QString difference = vm::PictureDifference(args[2], args[3]);
        if (difference.isEmpty()) return 0;
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[2]), qPrintable(difference));
        return 1;
    }
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--contact-sheet")) {
        std::fputs(
            "usage: velmoria-assetgen OUTPUT_FOLDER [--contact-sheet SHEET.png]\n"
            "       velmoria-assetgen --compare PICTURE PICTURE\n",
            stderr);
        return 2;
    }
    try {
        vm::WriteAllAssets(args[1]);
        if (args.size() == 4 && !vm::PaintContactSheet().save(args[3], "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(args[3]));
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velmoria-assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}

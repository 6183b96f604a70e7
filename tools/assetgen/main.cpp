// velmoria-assetgen OUTPUT_FOLDER [--contact-sheet SHEET.png]
// Regenerates every asset the game ships; the same sources always give the same bytes.
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

#include "tools/assetgen/asset_writer.h"
#include "tools/assetgen/contact_sheet.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--contact-sheet")) {
        std::fputs("usage: velmoria-assetgen OUTPUT_FOLDER [--contact-sheet SHEET.png]\n", stderr);
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

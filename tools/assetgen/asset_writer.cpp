#include "tools/assetgen/asset_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "tools/assetgen/app_icons.h"
#include "tools/assetgen/bmp_file.h"
#include "tools/assetgen/card_back.h"
#include "tools/assetgen/card_face.h"
#include "tools/assetgen/card_sounds.h"
#include "tools/assetgen/help_file.h"
#include "tools/assetgen/ico_file.h"
#include "tools/assetgen/midi_file.h"
#include "tools/assetgen/table_background.h"
#include "tools/assetgen/wav_file.h"

namespace vm {

namespace {

constexpr int BackgroundJpegQuality = 88;

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("missing source " + path.toStdString());
    }
    return file.readAll();
}

QByteArray EncodeImage(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) {
        throw std::runtime_error(std::string("cannot encode ") + format);
    }
    return bytes;
}

void WriteCards(const QDir& out) {
    for (const CardDesign& design : AllCardDesigns()) {
        for (bool marked : {true, false}) {
            const QString name = QString::fromStdString(CardFileName(design, marked));
            WriteBytes(out.filePath(name), EncodeBmp24(PaintCardFace(design, marked)));
        }
    }
    WriteBytes(out.filePath("back.bmp"), EncodeBmp24(PaintCardBack()));
}

void WritePictures(const QDir& out) {
    WriteBytes(out.filePath("background.jpg"),
               EncodeImage(PaintTableBackground(), "JPG", BackgroundJpegQuality));
    WriteBytes(out.filePath("velmoria.png"), EncodeImage(PaintWindowIcon(256), "PNG"));
    WriteBytes(out.filePath("velmoria.ico"),
               EncodeIco({PaintWindowIcon(16), PaintWindowIcon(32), PaintWindowIcon(48),
                          PaintWindowIcon(256)}));
    WriteBytes(out.filePath("midi.ico"),
               EncodeIco({PaintMusicIcon(16), PaintMusicIcon(32), PaintMusicIcon(48)}));
    // The smaller sizes of the desktop's icon theme, painted last: the shared painting
    // caches leave the earlier files exactly as they were.
    for (int size : {16, 24, 32, 48, 64, 128}) {
        WriteBytes(out.filePath(QStringLiteral("velmoria-%1.png").arg(size)),
                   EncodeImage(PaintWindowIcon(size), "PNG"));
    }
}

void WriteSoundsAndMusic(const QDir& out) {
    WriteBytes(out.filePath("Card_down.wav"), EncodeWav16Mono(SynthesiseCardDown()));
    WriteBytes(out.filePath("Card_up.wav"), EncodeWav16Mono(SynthesiseCardUp()));
    const QDir tracks(":/tracks");
    for (const QFileInfo& source : tracks.entryInfoList({"*.txt"}, QDir::Files, QDir::Name)) {
        try {
            const Song song = ParseNoteList(ReadResource(source.filePath()).toStdString());
            WriteBytes(out.filePath(source.completeBaseName() + ".mid"), EncodeMidi(song));
        } catch (const NoteListError& error) {
            throw std::runtime_error(source.fileName().toStdString() + ": " + error.what());
        }
    }
}

}  // namespace

void WriteAllAssets(const QString& folder) {
    const QDir out(folder);
    if (!out.exists() && !QDir().mkpath(folder)) {
        throw std::runtime_error("cannot create " + folder.toStdString());
    }
    WriteCards(out);
    WritePictures(out);
    WriteSoundsAndMusic(out);
    WriteBytes(out.filePath("VELMORIA.HLP"),
               HelpWithSpokenPictures(ReadResource(":/help/velmoria_help.html")));
}

}  // namespace vm

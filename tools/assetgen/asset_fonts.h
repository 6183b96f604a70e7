#pragma once
// Fonts from Debian, loaded from their files so that every machine letters the pictures alike:
// Aoyagi Kouzan (brush calligraphy, public domain) and DejaVu Sans (free licence).

#include <QFont>

namespace vm {

// Throws std::runtime_error when a font file is missing.
QFont BrushFont(double pixelSize);
QFont LabelFont(double pixelSize, bool bold);

}  // namespace vm

#pragma once
// Standard MIDI Files (format 1): a conductor track with the tempo, then one track per part.

#include <QByteArray>

#include "tools/assetgen/note_list.h"

namespace vm {

QByteArray EncodeMidi(const Song& song);

}  // namespace vm

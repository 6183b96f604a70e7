#pragma once
// The options file "VELMORIA.INI": seven key=value lines.

#include <string>
#include <string_view>

#include "records/game_options.h"

namespace vm {

struct Session;

inline constexpr const char* OptionsFileName = "VELMORIA.INI";

struct OptionsReading {
    GameOptions Options;
    bool MusicTrackRead = false;  // a "[musictrack]" line was found
};

// Any bytes at all: the defaults, overridden by each line whose key is known.
OptionsReading ParseOptions(std::string_view bytes);

// Exactly the seven lines, CR LF, single-byte text.
std::string FormatOptions(const GameOptions& options);

// Fills session.options from the file; a missing file is created with the defaults at once, an
// unreadable one leaves the defaults in memory and the file as it is.
void ReadOptions(Session& session);

// Replaces the file; a failure is told to the player once per run. True when it was saved.
bool WriteOptions(Session& session);

}  // namespace vm

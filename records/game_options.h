#pragma once
// The player's choices, kept between runs in the options file.

#include <cstdint>
#include <string>

#include "model/card_name.h"

namespace vm {

struct GameOptions {
    bool ShowSuitsAndScores = true;
    bool DebugMode = false;
    std::int16_t DealSpeed = 3;  // 1 fast, 2 moderate, 3 slow: seconds per pause of play
    bool SoundEffectsOn = true;
    bool BackgroundMusicOn = true;
    std::string MusicTrack = "haiku.mid";
    CardName CardBackFile{std::string_view("back.bmp")};  // the picture of a face-down card
    friend bool operator==(const GameOptions&, const GameOptions&) = default;
};

}  // namespace vm

#pragma once
// The player's choices, kept between runs in the options file.

#include <cstdint>
#include <string>

namespace vm {

struct GameOptions {
    bool ShowSuitsAndScores = true;
    bool DebugMode = false;
    std::int16_t DealSpeed = 3;  // 1 fast, 2 moderate, 3 slow: seconds per pause of play
    bool SoundEffectsOn = true;
    bool BackgroundMusicOn = true;
    std::string MusicTrack = "haiku.mid";
    std::string CardBackFile = "back.bmp";
    friend bool operator==(const GameOptions&, const GameOptions&) = default;
};

}  // namespace vm

#pragma once
// What each of the 48 cards shows: its month and what it carries besides the month's plant.

#include <string>
#include <vector>

namespace vm {

enum class CardKind {
    Bright,        // 20 points: the month's emblem (sun and crane, curtain, moon, rain, phoenix)
    Animal,        // 10 points: an animal or an object
    PoetryRibbon,  // 5 points: red ribbon with writing (January to March)
    RedRibbon,     // 5 points: plain red ribbon
    BlueRibbon,    // 5 points: blue ribbon (June, September, October)
    Plain,         // 0 points: the plant alone
};

struct CardDesign {
    int month = 0;             // 1 to 12
    std::string abbreviation;  // "jan" to "dec"
    int number = 0;            // 20, 10, 5, 1 or 0, as in the file name
    CardKind kind = CardKind::Plain;
    int plainVariant = 0;  // the two plain cards of a month are drawn differently
};

// The deck, month by month, most valuable card first.
const std::vector<CardDesign>& AllCardDesigns();

// "jan_20.bmp" for the marked set, "jano_20.bmp" for the plain one.
std::string CardFileName(const CardDesign& design, bool marked);

int CardPoints(const CardDesign& design);

}  // namespace vm

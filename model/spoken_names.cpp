#include "model/spoken_names.h"

#include <array>

#include "model/cards.h"

namespace vm {
namespace {

constexpr std::array<const char*, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// What each card shows, by month and rank (most valuable first), as its picture draws it.
// The two plain cards of a month show its plant, except November's lightning.
constexpr std::array<std::array<const char*, 4>, 12> Kinds = {{
    {"crane and sun", "poetry ribbon", "pine", "pine"},
    {"bush warbler", "poetry ribbon", "plum blossom", "plum blossom"},
    {"curtain", "poetry ribbon", "cherry blossom", "cherry blossom"},
    {"cuckoo", "ribbon", "wisteria", "wisteria"},
    {"bridge", "ribbon", "iris", "iris"},
    {"butterflies", "blue ribbon", "peony", "peony"},
    {"boar", "ribbon", "bush clover", "bush clover"},
    {"moon", "geese", "pampas grass", "pampas grass"},
    {"sake cup", "blue ribbon", "chrysanthemum", "chrysanthemum"},
    {"deer", "blue ribbon", "maple", "maple"},
    {"traveller in the rain", "swallow", "lightning", "willow"},
    {"phoenix", "temple bell", "ribbon", "paulownia"},
}};

std::array<std::string, 48> BuildNames() {
    std::array<std::string, 48> names;
    for (int index = 0; index < 48; ++index) {
        names[static_cast<std::size_t>(index)] =
            std::string(MonthNames[static_cast<std::size_t>(index / 4)]) + ", " +
            Kinds[static_cast<std::size_t>(index / 4)][static_cast<std::size_t>(index % 4)] + ", " +
            std::to_string(IndexValue(index)) + " points";
    }
    return names;
}

}  // namespace

std::string_view SpokenMonthName(int month) {
    return MonthNames[static_cast<std::size_t>(month - 1)];
}

const std::string& SpokenCardName(const CardName& card) {
    static const std::array<std::string, 48> names = BuildNames();
    static const std::string none;
    const int index = card.Index();
    return index >= 0 ? names[static_cast<std::size_t>(index)] : none;
}

}  // namespace vm

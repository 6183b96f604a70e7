#pragma once
// The six melds as cells of a captured grid, with their points and texts.

#include <array>
#include <cstddef>
#include <string_view>

namespace vm {

struct GridCell {
    int Month;
    int Rank;
};

struct MeldDefinition {
    std::array<GridCell, 5> Cells;  // in display order; the first CellCount are used
    int CellCount;
    int Points;
    std::string_view Message;
    std::string_view PointsText;
};

inline constexpr std::array<MeldDefinition, 6> MeldTable = {{
    {{{{1, 2}, {2, 2}, {3, 2}}}, 3, 30, "Akai Tan (Red Tanzaku Strips), +30 points", "30"},
    {{{{6, 2}, {9, 2}, {10, 2}}}, 3, 30, "Aoi Tan (Blue Tanzaku Strips), +30 points", "30"},
    {{{{5, 1}, {5, 2}, {5, 3}, {5, 4}}}, 4, 20, "Shoubu Complete (May), +20 points", "20"},
    {{{{10, 1}, {10, 2}, {10, 3}, {10, 4}}}, 4, 20, "Momiji Complete (Oct), +20 points", "20"},
    {{{{12, 1}, {12, 2}, {12, 3}, {12, 4}}}, 4, 20, "Kiri Complete (Dec), +20 points", "20"},
    {{{{1, 1}, {3, 1}, {8, 1}, {11, 1}, {12, 1}}},
     5,
     50,
     "Lights (kings) Complete, +50 points",
     "50"},
}};

// Whether the card with that index (0..47, in either picture set) lies in one of the meld's
// cells. The meld's cells are the one statement of which cards form it.
constexpr bool MeldHasCard(const MeldDefinition& meld, int cardIndex) {
    for (int i = 0; i < meld.CellCount; ++i) {
        const GridCell cell = meld.Cells[static_cast<std::size_t>(i)];
        if ((cell.Month - 1) * 4 + cell.Rank - 1 == cardIndex) return true;
    }
    return false;
}

}  // namespace vm

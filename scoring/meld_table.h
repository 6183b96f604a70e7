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
    {{{{1, 1}, {3, 1}, {8, 1}, {11, 1}, {12, 1}}}, 5, 50, "Lights (kings) Complete, +50 points",
     "50"},
}};

// A cell's place in a captured grid read month by month: the index of the card it holds.
constexpr std::size_t GridPosition(GridCell cell) {
    return static_cast<std::size_t>((cell.Month - 1) * 4 + cell.Rank - 1);
}

// The cells of each meld as grid positions, always five: a meld of fewer cells repeats its
// first, which changes neither "any" nor "all" of them, so every meld is read by the same
// five straight reads.
inline constexpr auto MeldPositions = [] {
    std::array<std::array<std::size_t, 5>, MeldTable.size()> positions{};
    for (std::size_t meld = 0; meld < positions.size(); ++meld) {
        const MeldDefinition& definition = MeldTable[meld];
        for (std::size_t i = 0; i < positions[meld].size(); ++i) {
            const bool used = static_cast<int>(i) < definition.CellCount;
            positions[meld][i] = GridPosition(definition.Cells[used ? i : 0]);
        }
    }
    return positions;
}();

}  // namespace vm

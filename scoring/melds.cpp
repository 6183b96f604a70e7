#include "scoring/melds.h"

#include "game/session.h"
#include "scoring/meld_table.h"

namespace vm {
namespace {

// The cells of each meld as positions in a grid read month by month.
constexpr auto MeldPositions = [] {
    std::array<std::array<std::size_t, 5>, MeldCount> positions{};
    for (std::size_t meld = 0; meld < positions.size(); ++meld) {
        for (std::size_t i = 0; i < positions[meld].size(); ++i) {
            const GridCell cell = MeldTable[meld].Cells[i];
            positions[meld][i] = cell.Month == 0 ? 0 : static_cast<std::size_t>((cell.Month - 1) * 4 + cell.Rank - 1);
        }
    }
    return positions;
}();

const MeldDefinition* Definition(int meld) {
    if (meld < 1 || meld > MeldCount) return nullptr;
    return &MeldTable[static_cast<std::size_t>(meld - 1)];
}

}  // namespace

int MeldPoints(int meld) {
    const MeldDefinition* definition = Definition(meld);
    return definition ? definition->Points : 0;
}

bool MeldComplete(const CapturedGrid& grid, int meld) {
    const MeldDefinition* definition = Definition(meld);
    if (!definition) return false;
    // Every cell is read, without stopping at the first empty one: this runs for every meld
    // after every capture, and a loop of fixed length is the faster for it.
    const CardName* cells = &grid[1][1];
    const auto& positions = MeldPositions[static_cast<std::size_t>(meld - 1)];
    bool complete = true;
    for (int i = 0; i < definition->CellCount; ++i) {
        complete &= !cells[positions[static_cast<std::size_t>(i)]].empty();
    }
    return complete;
}

MeldInfo PrepareMeldInfo(const Game& game, int side, int meld) {
    MeldInfo info;
    const MeldDefinition* definition = Definition(meld);
    if (!definition || (side != HumanSide && side != ComputerSide)) return info;
    const CapturedGrid& grid = game.CapturedPiles[side];
    for (int i = 0; i < definition->CellCount; ++i) {
        const GridCell cell = definition->Cells[static_cast<std::size_t>(i)];
        info[i + 1] = grid[cell.Month][cell.Rank];
    }
    info[6] = std::string(side == HumanSide ? "Player" : "Computer") + " has " +
              std::string(definition->Message);
    info[7] = std::string(definition->PointsText);
    return info;
}

void CheckMelds(Session& session, int side) {
    if (side != HumanSide && side != ComputerSide) return;
    Game& game = session.game;
    for (int meld = 1; meld <= MeldCount; ++meld) {
        if (game.MeldFlags[side][meld] != 0 || !MeldComplete(game.CapturedPiles[side], meld)) {
            continue;
        }
        game.MeldFlags[side][meld] = 1;
        Score(game, side) = static_cast<std::int16_t>(Score(game, side) + MeldPoints(meld));
        session.host.ShowMeld(PrepareMeldInfo(game, side, meld));
    }
}

}  // namespace vm

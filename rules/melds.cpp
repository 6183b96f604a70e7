#include "rules/melds.h"

#include "model/meld_table.h"

namespace vm {
namespace {

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
    for (int i = 0; i < definition->CellCount; ++i) {
        const GridCell cell = definition->Cells[static_cast<std::size_t>(i)];
        if (grid[cell.Month][cell.Rank].empty()) return false;
    }
    return true;
}

MeldInfo PrepareMeldInfo(const Game& game, Side side, int meld) {
    MeldInfo info;
    const MeldDefinition* definition = Definition(meld);
    if (!definition || (side != HumanSide && side != ComputerSide)) return info;
    info.Completer = side;
    info.Meld = meld;
    const CapturedGrid& grid = game.CapturedPiles[side];
    for (int i = 0; i < definition->CellCount; ++i) {
        const GridCell cell = definition->Cells[static_cast<std::size_t>(i)];
        info.Pictures[i + 1] = grid[cell.Month][cell.Rank];
    }
    info.Announcement = side == HumanSide ? "Player" : "Computer";
    info.Announcement += " has ";
    info.Announcement += definition->Message;
    info.PointsText = definition->PointsText;
    return info;
}

void CheckMelds(Table& table, Side side) {
    if (side != HumanSide && side != ComputerSide) return;
    Game& game = table.game;
    for (int meld = 1; meld <= MeldCount; ++meld) {
        if (game.MeldFlags[side][meld] != 0 || !MeldComplete(game.CapturedPiles[side], meld)) {
            continue;
        }
        game.MeldFlags[side][meld] = 1;
        Score(game, side) = static_cast<std::int16_t>(Score(game, side) + MeldPoints(meld));
        table.host.ShowMeld(PrepareMeldInfo(game, side, meld));
    }
}

}  // namespace vm

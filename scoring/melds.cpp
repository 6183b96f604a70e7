#include "scoring/melds.h"

#include "game/session.h"
#include "scoring/meld_table.h"

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
    // All five positions are read, without stopping at the first empty one: this runs for
    // every meld after every capture, and straight-line reads are the faster for it.
    const CardName* cells = &grid[1][1];
    const auto& at = MeldPositions[static_cast<std::size_t>(meld - 1)];
    return !cells[at[0]].empty() & !cells[at[1]].empty() & !cells[at[2]].empty() &
           !cells[at[3]].empty() & !cells[at[4]].empty();
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
    std::string& announcement = info[6];
    announcement = side == HumanSide ? "Player" : "Computer";
    announcement += " has ";
    announcement += definition->Message;
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

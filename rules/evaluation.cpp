#include "rules/evaluation.h"

#include <algorithm>
#include <array>

#include "model/meld_table.h"

namespace vm {
namespace {

// Each meld's set of cards with the bonuses the computer adds for a card of it, in the meld
// table's order.
struct MeldSet {
    const MeldDefinition& Meld;
    std::int16_t OwnMeld;  // the card completes the set in the computer's grid
    std::int16_t OpenSet;  // the human holds no card of the set
    std::int16_t Block;    // the human holds a card of the set
    bool CanBreak;         // the ribbon and light sets; a month set is never broken
};

const std::array<MeldSet, 6> MeldSets = {{
    {MeldTable[0], 30, 8, 30, true},   // red ribbons
    {MeldTable[1], 30, 8, 30, true},   // blue ribbons
    {MeldTable[2], 20, 5, 20, false},  // May
    {MeldTable[3], 20, 5, 20, false},  // October
    {MeldTable[4], 20, 5, 20, false},  // December
    {MeldTable[5], 50, 13, 50, true},  // lights
}};

bool AnyFilled(const CapturedGrid& grid, const MeldSet& set) {
    for (int i = 0; i < set.Meld.CellCount; ++i) {
        const GridCell cell = set.Meld.Cells[static_cast<std::size_t>(i)];
        if (!grid[cell.Month][cell.Rank].empty()) return true;
    }
    return false;
}

// Whether every cell of the set is filled once `own` is filled too.
bool AllFilledWith(const CapturedGrid& grid, const MeldSet& set, GridCell own) {
    for (int i = 0; i < set.Meld.CellCount; ++i) {
        const GridCell cell = set.Meld.Cells[static_cast<std::size_t>(i)];
        const bool isOwn = cell.Month == own.Month && cell.Rank == own.Rank;
        if (!isOwn && grid[cell.Month][cell.Rank].empty()) return false;
    }
    return true;
}

// The sets each card of the deck belongs to, in table order: at most two, -1 for none. Worked
// out once from the meld table, as the computer weighs every card it might play.
constexpr auto SetsByCard = [] {
    std::array<std::array<int, 2>, 48> sets{};
    for (std::size_t index = 0; index < sets.size(); ++index) {
        sets[index] = {-1, -1};
        std::size_t found = 0;
        for (std::size_t meld = 0; meld < MeldTable.size(); ++meld) {
            if (MeldHasCard(MeldTable[meld], static_cast<int>(index)))
                sets[index][found++] = static_cast<int>(meld);
        }
    }
    return sets;
}();

// Calls visit(set) for each meld set the card belongs to, in table order.
template <typename Visit>
void ForEachSetOf(const CardName& card, Visit visit) {
    const int index = card.Index();
    if (index < 0) return;
    for (const int set : SetsByCard[static_cast<std::size_t>(index)]) {
        if (set >= 0) visit(MeldSets[static_cast<std::size_t>(set)]);
    }
}

}  // namespace

bool MeldSetBroken(const Game& game, const CardName& card) {
    bool broken = false;
    ForEachSetOf(card, [&](const MeldSet& set) {
        if (set.CanBreak && AnyFilled(game.CapturedPiles[HumanSide], set) &&
            AnyFilled(game.CapturedPiles[ComputerSide], set)) {
            broken = true;
        }
    });
    return broken;
}

std::int16_t OwnMeldBonus(const Game& game, const CardName& card) {
    // Judged as if the card lay in its own cell of the computer's grid; the grid itself is
    // never touched.
    const GridCell cell{Month(card), MonthRank(game.CardTable, card)};
    // A card the table does not know has no cell of its own to try.
    if (cell.Month > 12 || cell.Rank == 0) return 0;
    std::int16_t bonus = 0;
    ForEachSetOf(card, [&](const MeldSet& set) {
        if (AllFilledWith(game.CapturedPiles[ComputerSide], set, cell)) bonus = set.OwnMeld;
    });
    return bonus;
}

std::int16_t OpenSetBonus(const Game& game, const CardName& card) {
    std::int16_t bonus = 0;
    ForEachSetOf(card, [&](const MeldSet& set) {
        if (!AnyFilled(game.CapturedPiles[HumanSide], set)) bonus = set.OpenSet;
    });
    return bonus;
}

std::int16_t BlockBonus(const Game& game, const CardName& card) {
    std::int16_t bonus = 0;
    ForEachSetOf(card, [&](const MeldSet& set) {
        if (AnyFilled(game.CapturedPiles[HumanSide], set)) bonus = set.Block;
    });
    return bonus;
}

void ClearCandidates(Game& game) { std::fill_n(game.CandidateTable.begin(), 10, Candidate{}); }

void SetCandidate(Game& game, int n, const CardName& handCard, int handSlot,
                  const CardName& deskCard, int deskSlot) {
    Candidate& candidate = game.CandidateTable[n];
    candidate = Candidate{};
    candidate.HandCard = handCard;
    candidate.HandSlot = static_cast<std::int16_t>(handSlot);
    candidate.DeskCard = deskCard;
    candidate.DeskSlot = static_cast<std::int16_t>(deskSlot);
    candidate.Score = static_cast<std::int16_t>(CardValue(handCard) + CardValue(deskCard));
}

void AddBonuses(Game& game, int n) {
    for (int k = 1; k <= n; ++k) AddBonus(game, game.CandidateTable[k]);
}

void AddBonus(const Game& game, Candidate& candidate) {
    if (MeldSetBroken(game, candidate.HandCard)) return;
    if (const auto own = OwnMeldBonus(game, candidate.HandCard); own > 0) {
        candidate.OwnMeldBonus = own;
        candidate.Score = static_cast<std::int16_t>(candidate.Score + own);
    } else if (const auto open = OpenSetBonus(game, candidate.HandCard); open > 0) {
        candidate.OpenSetBonus = open;
        candidate.Score = static_cast<std::int16_t>(candidate.Score + open);
    } else if (const auto block = BlockBonus(game, candidate.HandCard); block > 0) {
        candidate.BlockBonus = block;
        candidate.Score = static_cast<std::int16_t>(candidate.Score + block);
    }
}

}  // namespace vm

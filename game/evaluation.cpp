#include "game/evaluation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <initializer_list>

#include "scoring/meld_table.h"

namespace vm {
namespace {

// The bonuses of the six melds' sets, in the meld table's order; their cells are the melds'.
struct MeldSet {
    std::int16_t OwnMeld;
    std::int16_t OpenSet;
    std::int16_t Block;
    bool CanBreak;  // the ribbon and light sets; a month set is never broken
};

constexpr std::array<MeldSet, 6> MeldSets = {{
    {30, 8, 30, true},
    {30, 8, 30, true},
    {20, 5, 20, false},
    {20, 5, 20, false},
    {20, 5, 20, false},
    {50, 13, 50, true},
}};
static_assert(MeldSets.size() == MeldTable.size());

constexpr bool IsOneOf(int value, std::initializer_list<int> values) {
    for (int v : values) {
        if (v == value) return true;
    }
    return false;
}

constexpr bool Belongs(std::size_t set, int month, int value) {
    switch (set) {
        case 0: return IsOneOf(month, {1, 2, 3}) && value == 5;
        case 1: return IsOneOf(month, {6, 9, 10}) && value == 5;
        case 2: return month == 5;
        case 3: return month == 10;
        case 4: return month == 12;
        default: return IsOneOf(month, {1, 3, 8, 11, 12}) && value == 20;
    }
}

// The sets a card of that month and value belongs to, one bit each in table order.
constexpr unsigned SetsOf(int month, int value) {
    unsigned sets = 0;
    for (std::size_t i = 0; i < MeldSets.size(); ++i) {
        if (Belongs(i, month, value)) sets |= 1U << i;
    }
    return sets;
}

// Worked out once for the deck, as the computer weighs every card it might play.
constexpr std::array<unsigned, 48> SetsByIndex = [] {
    std::array<unsigned, 48> sets{};
    for (std::size_t i = 0; i < sets.size(); ++i) {
        sets[i] = SetsOf(static_cast<int>(i / 4 + 1), detail::ValueByIndex[i]);
    }
    return sets;
}();

const std::array<std::size_t, 5>& PositionsOf(const MeldSet& set) {
    return MeldPositions[static_cast<std::size_t>(&set - MeldSets.data())];
}

bool AnyFilled(const CapturedGrid& grid, const MeldSet& set) {
    const CardName* cells = &grid[1][1];
    const auto& at = PositionsOf(set);
    return !cells[at[0]].empty() | !cells[at[1]].empty() | !cells[at[2]].empty() |
           !cells[at[3]].empty() | !cells[at[4]].empty();
}

// Calls visit(set) for each meld set the card belongs to, in table order.
template <typename Visit>
void ForEachSetOf(const CardName& card, Visit visit) {
    const int index = card.Index();
    unsigned sets = index >= 0 ? SetsByIndex[static_cast<std::size_t>(index)]
                               : SetsOf(Month(card), CardValue(card));
    for (; sets != 0; sets &= sets - 1) visit(MeldSets[static_cast<std::size_t>(std::countr_zero(sets))]);
}

// Whether every cell of the set is filled once `own` is filled too.
bool AllFilledWith(const CapturedGrid& grid, const MeldSet& set, GridCell own) {
    const CardName* cells = &grid[1][1];
    const std::size_t ownPosition = GridPosition(own);
    bool all = true;
    for (const std::size_t position : PositionsOf(set)) {
        all &= (position == ownPosition) | !cells[position].empty();
    }
    return all;
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

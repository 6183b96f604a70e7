#include "model/game_state.h"

#include <array>

namespace vm {

HandSlots& Hand(Game& game, Side side) {
    return side == HumanSide ? game.PlayerHand : game.CPUHand;
}

const HandSlots& Hand(const Game& game, Side side) {
    return side == HumanSide ? game.PlayerHand : game.CPUHand;
}

std::int16_t& Score(Game& game, Side side) {
    return side == HumanSide ? game.PlayerScore : game.CPUScore;
}

void SortHand(Game& game, Side side) { SortSlots(Hand(game, side)); }

void SortDesk(Game& game) { SortSlots(game.Desk); }

int CountCapturedMonth(const Game& game, int month, Side side) {
    if (!OneBased<int, 12>::InRange(month) || !OneBased<int, 2>::InRange(side)) return 0;
    int count = 0;
    for (const CardName& card : game.CapturedPiles[side][month]) {
        if (!card.empty()) ++count;
    }
    return count;
}

bool DeskMonthAtLeast(const Game& game, int n) {
    std::array<int, NoMonth + 1> counts{};
    for (const CardName& card : game.Desk) {
        if (!card.empty()) ++counts[static_cast<std::size_t>(Month(card))];
    }
    for (int month = 1; month <= 12; ++month) {
        if (counts[static_cast<std::size_t>(month)] >= n) return true;
    }
    return false;
}

namespace {

// Counts the cards of a deal's picture set as they are found in their places.
class CardCount {
public:
    explicit CardCount(bool plainSet) : plainSet_(plainSet) {}

    // The card's index; -1 for a name that is no card of the set, or a card found before.
    int Add(const CardName& card) {
        const int index = card.IndexIn(plainSet_);
        if (index < 0 || found_[static_cast<std::size_t>(index)]) return -1;
        found_[static_cast<std::size_t>(index)] = true;
        ++total_;
        return index;
    }
    bool AllFound() const { return total_ == 48; }

private:
    bool plainSet_;
    std::array<bool, 48> found_{};
    int total_ = 0;
};

// The first `count` slots hold cards in sort order and the rest are empty.
template <int N>
[[gnu::always_inline]] inline bool RowInOrder(const OneBased<CardName, N>& row, int count,
                                              CardCount& cards) {
    if (count < 0 || count > N) return false;
    int previousKey = 0;
    for (int slot = 1; slot <= count; ++slot) {
        const int index = cards.Add(row[slot]);
        if (index < 0 || SortKeyOfIndex(index) < previousKey) return false;
        previousKey = SortKeyOfIndex(index);
    }
    for (int slot = count + 1; slot <= N; ++slot) {
        if (!row[slot].empty()) return false;
    }
    return true;
}

}  // namespace

bool IsConsistent(const Game& game) {
    if (game.PilePosition < 1 || game.PilePosition > PileExhausted) return false;
    // Every card of the deal's picture set lies in exactly one place: the pile, a hand, the
    // desk or its own cell of a captured grid. Found at most once each and 48 in all.
    CardCount cards(game.CardTable[1].CardName.IsPlain());
    for (int position = game.PilePosition; position <= LastPilePosition; ++position) {
        if (cards.Add(game.CardTable[position].CardName) < 0) return false;
    }
    if (!RowInOrder(game.PlayerHand, game.HandCount[HumanSide], cards) ||
        !RowInOrder(game.CPUHand, game.HandCount[ComputerSide], cards) ||
        !RowInOrder(game.Desk, game.DeskNextSlot - 1, cards)) {
        return false;
    }
    // A captured card lies in its own cell, (Month, MonthRank), of one of the two grids.
    const CapturedGrid& human = game.CapturedPiles[HumanSide];
    const CapturedGrid& computer = game.CapturedPiles[ComputerSide];
    int index = 0;  // the card that belongs in the cell: (Month - 1) * 4 + MonthRank - 1
    for (int month = 1; month <= 12; ++month) {
        const auto& humanMonth = human[month];
        const auto& computerMonth = computer[month];
        for (int rank = 1; rank <= 4; ++rank, ++index) {
            if (!humanMonth[rank].empty() && cards.Add(humanMonth[rank]) != index) return false;
            if (!computerMonth[rank].empty() && cards.Add(computerMonth[rank]) != index)
                return false;
        }
    }
    return cards.AllFound();
}

}  // namespace vm

#include "game/game_state.h"

namespace vm {

HandSlots& Hand(Game& game, int side) { return side == HumanSide ? game.PlayerHand : game.CPUHand; }

const HandSlots& Hand(const Game& game, int side) {
    return side == HumanSide ? game.PlayerHand : game.CPUHand;
}

std::int16_t& Score(Game& game, int side) {
    return side == HumanSide ? game.PlayerScore : game.CPUScore;
}

void SortHand(Game& game, int side) { SortSlots(Hand(game, side)); }

void SortDesk(Game& game) { SortSlots(game.Desk); }

int CountHandMonth(const Game& game, int month, int side) {
    int count = 0;
    for (const CardName& card : Hand(game, side)) {
        if (!card.empty() && Month(card) == month) ++count;
    }
    return count;
}

int CountDeskMonth(const Game& game, int month) {
    int count = 0;
    for (const CardName& card : game.Desk) {
        if (!card.empty() && Month(card) == month) ++count;
    }
    return count;
}

int CountCapturedMonth(const Game& game, int month, int side) {
    if (!OneBased<int, 12>::InRange(month) || !OneBased<int, 2>::InRange(side)) return 0;
    int count = 0;
    for (const CardName& card : game.CapturedPiles[side][month]) {
        if (!card.empty()) ++count;
    }
    return count;
}

bool DeskMonthAtLeast(const Game& game, int n) {
    for (int month = 1; month <= 12; ++month) {
        if (CountDeskMonth(game, month) >= n) return true;
    }
    return false;
}

namespace {

constexpr std::uint64_t AllCards = (std::uint64_t{1} << 48) - 1;

// Adds one card to the set of cards seen; false when it is no card of this deal's picture
// set or has been seen already.
int See(std::uint64_t& seen, const CardName& card, bool plainSet) {
    const int index = card.Index();
    if (index < 0 || card.IsPlain() != plainSet) return -1;
    const std::uint64_t bit = std::uint64_t{1} << index;
    if (seen & bit) return -1;
    seen |= bit;
    return index;
}

// Cards first, then empty slots; cards ordered by month, then by value from high to low.
template <int N>
bool SortedAndCompact(const OneBased<CardName, N>& slots, int expectedCount, std::uint64_t& seen,
                      bool plainSet) {
    int count = 0;
    int previousKey = 0;
    for (int i = 1; i <= N; ++i) {
        const CardName& card = slots[i];
        if (card.empty()) continue;
        const int index = See(seen, card, plainSet);
        if (i != ++count || index < 0) return false;
        const int key = index / 4 * 100 + 20 - IndexValue(index);
        if (key < previousKey) return false;
        previousKey = key;
    }
    return count == expectedCount;
}

}  // namespace

bool IsConsistent(const Game& game) {
    const bool plainSet = game.CardTable[1].CardName.IsPlain();
    if (game.PilePosition < 1 || game.PilePosition > 49) return false;
    // The deck: every record's name agrees with its month and rank, and no card is missing.
    // The pile's cards are seen from there too.
    std::uint64_t deck = 0;
    std::uint64_t seen = 0;
    for (int position = 1; position <= 48; ++position) {
        const CardRecord& record = game.CardTable[position];
        const int index = (record.Month - 1) * 4 + record.MonthRank - 1;
        if (index < 0 || record.CardName.Index() != index || record.CardName.IsPlain() != plainSet) {
            return false;
        }
        deck |= std::uint64_t{1} << index;
        if (position >= game.PilePosition) seen |= std::uint64_t{1} << index;
    }
    if (deck != AllCards) return false;
    if (!SortedAndCompact(game.PlayerHand, game.HandCount[HumanSide], seen, plainSet) ||
        !SortedAndCompact(game.CPUHand, game.HandCount[ComputerSide], seen, plainSet) ||
        !SortedAndCompact(game.Desk, game.DeskNextSlot - 1, seen, plainSet)) {
        return false;
    }
    for (int side = 1; side <= 2; ++side) {
        for (int month = 1; month <= 12; ++month) {
            for (int rank = 1; rank <= 4; ++rank) {
                const CardName& card = game.CapturedPiles[side][month][rank];
                if (card.empty()) continue;
                if (See(seen, card, plainSet) != (month - 1) * 4 + rank - 1) {
                    return false;
                }
            }
        }
    }
    return seen == AllCards;
}

}  // namespace vm

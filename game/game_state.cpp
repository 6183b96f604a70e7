#include "game/game_state.h"

#include <array>

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

int CountCapturedMonth(const Game& game, int month, int side) {
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

constexpr std::uint64_t Bit(int index) { return std::uint64_t{1} << index; }

// Cards first, then empty slots; cards of this deal's set, ordered by month, then by value
// from high to low, each added to the cards seen and none seen before.
template <int N>
bool SortedAndCompact(const OneBased<CardName, N>& slots, int expectedCount, std::uint64_t& seen,
                      bool plainSet) {
    int count = 0;
    int previousKey = 0;
    for (const CardName& card : slots) {
        if (card.empty()) break;
        const int index = card.IndexIn(plainSet);
        if (index < 0 || (seen & Bit(index)) != 0) return false;
        seen |= Bit(index);
        const int key = detail::SortKeyByNumber[card.Number()];
        if (key < previousKey) return false;
        previousKey = key;
        ++count;
    }
    std::uint32_t rest = 0;
    for (auto slot = slots.begin() + count; slot != slots.end(); ++slot) rest |= slot->Number();
    return rest == 0 && count == expectedCount;
}

constexpr std::array<std::uint32_t, 32> LaneBits = [] {
    std::array<std::uint32_t, 32> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = std::uint32_t{1} << i;
    return bits;
}();

// Cells first..first + count - 1 of both grids: each holds nothing or the one card that
// belongs there, no card lies in both grids or also in `placed` (bit i for cell first + i).
// Returns the number of faults and adds up the cards seen. Written as plain arithmetic on
// every cell, so that the compiler checks several cells at once: most are empty, and this
// runs after every play.
unsigned CheckCells(const CardName* human, const CardName* computer, int first, int count,
                    std::uint32_t own, std::uint32_t placed, unsigned& cards) {
    unsigned faults = 0;
    unsigned seen = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t h = human[first + i].Number();
        const std::uint32_t c = computer[first + i].Number();
        const std::uint32_t either = h | c;
        const std::uint32_t elsewhere = (placed & LaneBits[static_cast<std::size_t>(i)]) != 0;
        faults |= ((h != 0) & (c != 0)) | ((either != 0) & (either != own + static_cast<std::uint32_t>(first + i))) |
                  (elsewhere & (either != 0));
        seen += (h != 0) + (c != 0) + elsewhere;
    }
    cards += seen;
    return faults;
}

// Every card lies in exactly one place: the pile, the hands and the desk (`placed`, already
// checked to hold no card twice) or a cell of the grids.
bool OnePlaceEach(const Game& game, std::uint64_t placed, bool plainSet) {
    const CardName* human = &game.CapturedPiles[HumanSide][1][1];
    const CardName* computer = &game.CapturedPiles[ComputerSide][1][1];
    const std::uint32_t own = CardName::OfIndex(0, plainSet).Number();
    unsigned cards = 0;
    const unsigned faults =
        CheckCells(human, computer, 0, 32, own, static_cast<std::uint32_t>(placed), cards) |
        CheckCells(human, computer, 32, 16, own, static_cast<std::uint32_t>(placed >> 32), cards);
    return faults == 0 && cards == 48;
}

}  // namespace

bool IsConsistent(const Game& game) {
    const bool plainSet = game.CardTable[1].CardName.IsPlain();
    if (game.PilePosition < 1 || game.PilePosition > 49) return false;
    // The pile, the hands and the desk hold cards of one picture set, each once.
    std::uint64_t seen = 0;
    for (int position = game.PilePosition; position <= 48; ++position) {
        const int index = game.CardTable[position].CardName.IndexIn(plainSet);
        if (index < 0 || (seen & Bit(index)) != 0) return false;
        seen |= Bit(index);
    }
    if (!SortedAndCompact(game.PlayerHand, game.HandCount[HumanSide], seen, plainSet) ||
        !SortedAndCompact(game.CPUHand, game.HandCount[ComputerSide], seen, plainSet) ||
        !SortedAndCompact(game.Desk, game.DeskNextSlot - 1, seen, plainSet)) {
        return false;
    }
    return OnePlaceEach(game, seen, plainSet);
}

}  // namespace vm

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

// The cards of the pile, the hands and the desk as bits by index. A card added twice is noted,
// and so is a card of another picture set or a name that is no card.
struct PlacedCards {
    std::uint64_t Bits = 0;
    std::uint64_t Twice = 0;
    std::uint32_t FirstNumber = 0;  // the number of the deal's first card, index 0
    bool Sound = true;

    // Adds the card and returns its index (meaningless when the card is unsound).
    std::uint32_t Add(const CardName& card) {
        const std::uint32_t index = card.Number() - FirstNumber;
        Sound &= index < 48;
        const std::uint64_t bit = std::uint64_t{1} << (index & 63);
        Twice |= Bits & bit;
        Bits |= bit;
        return index;
    }
};

// Cards of one set sort by month, then by value from high to low. Within a month the ranks
// run from high value to low, and only the last two ranks share a value (both 0), except in
// December: so the order of the sort keys is the order of the index with those two merged.
constexpr std::uint32_t SortClass(std::uint32_t index) {
    return index - static_cast<std::uint32_t>(((index & 3) == 3) & (index < 44));
}

// Cards first, then empty slots, as many cards as the count says; the cards ordered by month,
// then by value from high to low. Checked without stopping at a fault, as faults never occur
// in play and this runs after every play.
template <int N>
bool SortedAndCompact(const OneBased<CardName, N>& slots, int expectedCount, PlacedCards& placed) {
    if (expectedCount < 0 || expectedCount > N) return false;
    // The first expectedCount slots hold cards and the others none.
    std::uint32_t previousClass = 0;
    bool sorted = true;
    const auto end = slots.begin() + expectedCount;
    for (auto slot = slots.begin(); slot != end; ++slot) {
        const std::uint32_t sortClass = SortClass(placed.Add(*slot));
        sorted &= sortClass >= previousClass;
        previousClass = sortClass;
    }
    std::uint32_t rest = 0;
    for (auto slot = end; slot != slots.end(); ++slot) rest |= slot->Number();
    return sorted && rest == 0;
}

constexpr std::array<std::uint32_t, 32> LaneBits = [] {
    std::array<std::uint32_t, 32> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = std::uint32_t{1} << i;
    return bits;
}();

// Cells first..first + count - 1 of both grids: each holds nothing or the one card that
// belongs there, and together with `placed` (bit i for cell first + i) each card lies in
// exactly one place. Plain arithmetic on every cell, so that the compiler checks several
// cells at once: most are empty.
std::uint32_t CellFaults(const CardName* human, const CardName* computer, std::uint32_t first,
                         std::uint32_t count, std::uint32_t firstNumber, std::uint32_t placed) {
    std::uint32_t faults = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t h = human[first + i].Number();
        const std::uint32_t c = computer[first + i].Number();
        // A wrong card shows in the two together; a card in both grids is counted twice.
        const std::uint32_t either = h | c;
        faults |= (either != 0) & (either != firstNumber + first + i);
        const std::uint32_t places = (h != 0) + (c != 0) + ((placed & LaneBits[i]) != 0);
        faults |= places ^ 1;
    }
    return faults;
}

}  // namespace

bool IsConsistent(const Game& game) {
    if (game.PilePosition < 1 || game.PilePosition > 49) return false;
    // Every card of one picture set lies in exactly one place: the pile, a hand, the desk or
    // its own cell of a grid.
    PlacedCards placed;
    placed.FirstNumber = CardName::OfIndex(0, game.CardTable[1].CardName.IsPlain()).Number();
    for (int position = game.PilePosition; position <= 48; ++position) {
        placed.Add(game.CardTable[position].CardName);
    }
    if (!SortedAndCompact(game.PlayerHand, game.HandCount[HumanSide], placed) ||
        !SortedAndCompact(game.CPUHand, game.HandCount[ComputerSide], placed) ||
        !SortedAndCompact(game.Desk, game.DeskNextSlot - 1, placed) || !placed.Sound || placed.Twice != 0) {
        return false;
    }
    const CardName* human = &game.CapturedPiles[HumanSide][1][1];
    const CardName* computer = &game.CapturedPiles[ComputerSide][1][1];
    const auto low = static_cast<std::uint32_t>(placed.Bits);
    const auto high = static_cast<std::uint32_t>(placed.Bits >> 32);
    return (CellFaults(human, computer, 0, 32, placed.FirstNumber, low) |
            CellFaults(human, computer, 32, 16, placed.FirstNumber, high)) == 0;
}

}  // namespace vm

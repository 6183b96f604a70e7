#include "game/game_state.h"

#include <array>
#include <bit>

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

// The cards of the pile, the hands and the desk, as bits by index, and how many were added:
// a card added twice shows as fewer bits than cards.
struct PlacedCards {
    std::uint64_t Bits = 0;
    int Count = 0;
    bool Sound = true;  // every card of this deal's picture set

    void Add(const CardName& card, std::uint32_t firstNumber) {
        const std::uint32_t index = card.Number() - firstNumber;
        Sound &= index < 48;
        Bits |= std::uint64_t{1} << (index & 63);
        ++Count;
    }
    bool NoneTwice() const { return std::popcount(Bits) == Count; }
};

// Cards first, then empty slots, as many cards as the count says; the cards ordered by month,
// then by value from high to low. Checked without stopping at a fault, as faults never occur
// in play and the loops run after every play.
template <int N>
bool SortedAndCompact(const OneBased<CardName, N>& slots, int expectedCount, PlacedCards& placed,
                      std::uint32_t firstNumber) {
    auto slot = slots.begin();
    int previousKey = 0;
    bool sorted = true;
    int count = 0;
    for (; slot != slots.end() && !slot->empty(); ++slot, ++count) {
        const std::uint32_t number = slot->Number();
        const int key = detail::SortKeyByNumber[number < CardName::DeckNumbers ? number : 0];
        sorted &= key >= previousKey;
        previousKey = key;
        placed.Add(*slot, firstNumber);
    }
    std::uint32_t rest = 0;
    for (; slot != slots.end(); ++slot) rest |= slot->Number();
    return sorted && rest == 0 && count == expectedCount;
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
bool OnePlaceEach(const Game& game, std::uint64_t placed, std::uint32_t firstNumber) {
    const CardName* human = &game.CapturedPiles[HumanSide][1][1];
    const CardName* computer = &game.CapturedPiles[ComputerSide][1][1];
    unsigned cards = 0;
    const unsigned faults =
        CheckCells(human, computer, 0, 32, firstNumber, static_cast<std::uint32_t>(placed), cards) |
        CheckCells(human, computer, 32, 16, firstNumber, static_cast<std::uint32_t>(placed >> 32), cards);
    return faults == 0 && cards == 48;
}

}  // namespace

bool IsConsistent(const Game& game) {
    if (game.PilePosition < 1 || game.PilePosition > 49) return false;
    // The pile, the hands and the desk hold cards of one picture set, each once.
    const std::uint32_t firstNumber = CardName::OfIndex(0, game.CardTable[1].CardName.IsPlain()).Number();
    PlacedCards placed;
    for (int position = game.PilePosition; position <= 48; ++position) {
        placed.Add(game.CardTable[position].CardName, firstNumber);
    }
    return SortedAndCompact(game.PlayerHand, game.HandCount[HumanSide], placed, firstNumber) &&
           SortedAndCompact(game.CPUHand, game.HandCount[ComputerSide], placed, firstNumber) &&
           SortedAndCompact(game.Desk, game.DeskNextSlot - 1, placed, firstNumber) && placed.Sound &&
           placed.NoneTwice() && OnePlaceEach(game, placed.Bits, firstNumber);
}

}  // namespace vm

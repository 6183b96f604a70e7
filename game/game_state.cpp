#include "game/game_state.h"

#include <algorithm>
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

// How many places hold each card, by index. A card of another picture set, or a name that is
// no card, makes the count unsound; its bits still land somewhere harmless.
struct PlaceCounts {
    // Entries 0..47 are first written by the pass over the grids; 48..63 take what no card is.
    std::array<std::uint32_t, 64> Count;
    std::uint32_t FirstNumber = 0;  // the number of the deal's first card, index 0
    bool Sound = true;

    void Add(const CardName& card) {
        const std::uint32_t index = card.Number() - FirstNumber;
        Sound &= index < 48;
        ++Count[index & 63];
    }
};

// Cards first, then empty slots, as many cards as the count says; the cards ordered by month,
// then by value from high to low. Checked without stopping at a fault, as faults never occur
// in play and this runs after every play.
template <int N>
bool SortedAndCompact(const OneBased<CardName, N>& slots, int expectedCount, PlaceCounts& places) {
    if (expectedCount < 0 || expectedCount > N) return false;
    // The first expectedCount slots hold cards and the others none: one pass over the row.
    bool compact = true;
    for (int i = 0; i < N; ++i) compact &= (i < expectedCount) == !slots.begin()[i].empty();
    int previousKey = 0;
    bool sorted = true;
    for (auto slot = slots.begin(); slot != slots.begin() + expectedCount; ++slot) {
        const std::uint32_t number = slot->Number();
        const int key = detail::SortKeyByNumber[number < CardName::DeckNumbers ? number : 0];
        sorted &= key >= previousKey;
        previousKey = key;
        places.Add(*slot);
    }
    return compact && sorted;
}

// Each cell of both grids holds nothing or the one card that belongs there; the cards found
// start the counts. Plain arithmetic on every cell, so that the compiler checks several cells
// at once: most are empty.
bool GridsSound(const Game& game, PlaceCounts& places) {
    const CardName* human = &game.CapturedPiles[HumanSide][1][1];
    const CardName* computer = &game.CapturedPiles[ComputerSide][1][1];
    std::uint32_t faults = 0;
    for (std::uint32_t i = 0; i < 48; ++i) {
        const std::uint32_t h = human[i].Number();
        const std::uint32_t c = computer[i].Number();
        // A wrong card shows in the two together; a card in both grids is counted twice.
        const std::uint32_t either = h | c;
        faults |= (either != 0) & (either != places.FirstNumber + i);
        places.Count[i] = (h != 0) + (c != 0);
    }
    std::fill(places.Count.begin() + 48, places.Count.end(), 0U);
    return faults == 0;
}

bool EachCardOnce(const PlaceCounts& places) {
    std::uint32_t faults = 0;
    for (std::size_t i = 0; i < 48; ++i) faults |= places.Count[i] ^ 1;
    return faults == 0;
}

}  // namespace

bool IsConsistent(const Game& game) {
    if (game.PilePosition < 1 || game.PilePosition > 49) return false;
    // Every card of one picture set lies in exactly one place: its own cell of a grid, the
    // pile, a hand or the desk.
    PlaceCounts places;
    places.FirstNumber = CardName::OfIndex(0, game.CardTable[1].CardName.IsPlain()).Number();
    if (!GridsSound(game, places)) return false;
    for (int position = game.PilePosition; position <= 48; ++position) {
        places.Add(game.CardTable[position].CardName);
    }
    return SortedAndCompact(game.PlayerHand, game.HandCount[HumanSide], places) &&
           SortedAndCompact(game.CPUHand, game.HandCount[ComputerSide], places) &&
           SortedAndCompact(game.Desk, game.DeskNextSlot - 1, places) && places.Sound &&
           EachCardOnce(places);
}

}  // namespace vm

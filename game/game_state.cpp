#include "game/game_state.h"

#include <array>
#include <cstring>

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

constexpr std::uint64_t AllCards = (std::uint64_t{1} << 48) - 1;
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
        const int key = index / 4 * 100 + 20 - IndexValue(index);
        if (key < previousKey) return false;
        previousKey = key;
        ++count;
    }
    for (auto rest = slots.begin() + count; rest != slots.end(); ++rest) {
        if (!rest->empty()) return false;
    }
    return count == expectedCount;
}

// Each cell of both grids holds nothing or the one card that belongs there, and no card lies
// in both; `cards` gets the captured cards. The cells are read without branches, as most are
// empty and this runs after every play.
bool GridsSound(const CapturedGrid& human, const CapturedGrid& computer, bool plainSet,
                std::uint64_t& cards) {
    const CardName* h = &human[1][1];
    const CardName* c = &computer[1][1];
    unsigned faults = 0;
    std::array<std::uint8_t, 48> filled{};
    for (int index = 0; index < 48; ++index) {
        const CardName own = CardName::OfIndex(index, plainSet);
        const unsigned hasH = !h[index].empty();
        const unsigned hasC = !c[index].empty();
        faults |= (hasH & (h[index] != own)) | (hasC & (c[index] != own)) | (hasH & hasC);
        filled[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(hasH | hasC);
    }
    // Eight bytes of 0 or 1 become eight bits: the multiplication gathers each byte's bit.
    cards = 0;
    for (std::size_t word = 0; word < 6; ++word) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, filled.data() + word * 8, sizeof bytes);
        cards |= ((bytes * 0x0102040810204080ULL) >> 56) << (word * 8);
    }
    return faults == 0;
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
    // The grids hold the other cards: with them every card lies in exactly one place.
    std::uint64_t captured = 0;
    return GridsSound(game.CapturedPiles[HumanSide], game.CapturedPiles[ComputerSide], plainSet, captured) &&
           (seen & captured) == 0 && (seen | captured) == AllCards;
}

}  // namespace vm

#include "game/game_state.h"

#include <set>

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

template <int N>
bool SortedAndCompact(const OneBased<CardName, N>& slots, int expectedCount) {
    int count = 0;
    for (int i = 1; i <= N; ++i) {
        if (slots[i].empty()) continue;
        if (i != ++count) return false;  // a gap before this card
        if (i > 1 && CardSortKey(slots[i - 1]) > CardSortKey(slots[i])) return false;
    }
    return count == expectedCount;
}

}  // namespace

bool IsConsistent(const Game& game) {
    std::multiset<std::string> seen;
    for (const CardName& card : game.PlayerHand) {
        if (!card.empty()) seen.insert(card);
    }
    for (const CardName& card : game.CPUHand) {
        if (!card.empty()) seen.insert(card);
    }
    for (const CardName& card : game.Desk) {
        if (!card.empty()) seen.insert(card);
    }
    for (int position = game.PilePosition; position >= 1 && position <= 48; ++position) {
        seen.insert(game.CardTable[position].CardName);
    }
    for (int side = 1; side <= 2; ++side) {
        for (int month = 1; month <= 12; ++month) {
            for (int rank = 1; rank <= 4; ++rank) {
                const CardName& card = game.CapturedPiles[side][month][rank];
                if (card.empty()) continue;
                if (Month(card) != month || MonthRank(game.CardTable, card) != rank) return false;
                seen.insert(card);
            }
        }
    }
    std::set<std::string> deck;
    for (const CardRecord& record : game.CardTable) deck.insert(record.CardName);
    if (deck.size() != 48) return false;
    if (seen != std::multiset<std::string>(deck.begin(), deck.end())) return false;

    return SortedAndCompact(game.PlayerHand, game.HandCount[HumanSide]) &&
           SortedAndCompact(game.CPUHand, game.HandCount[ComputerSide]) &&
           SortedAndCompact(game.Desk, game.DeskNextSlot - 1);
}

}  // namespace vm

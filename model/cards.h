#pragma once
// Cards are known by their CardName, which is also the file name of their picture.
// Everything else about a card is derived from that name or looked up in the CardTable.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/card_name.h"
#include "model/one_based.h"

namespace vm {

struct CardRecord {
    vm::CardName CardName;
    std::int16_t Month = 0;
    std::int16_t CardValue = 0;
    std::int16_t MonthRank = 0;
    friend bool operator==(const CardRecord&, const CardRecord&) = default;
};

using CardTableType = OneBased<CardRecord, 48>;
using HandSlots = OneBased<CardName, 10>;
using DeskSlots = OneBased<CardName, 16>;

inline constexpr int NoMonth = 13;

// 1 to 12 for a name that begins with a month abbreviation ("jan" ... "dec", lower case);
// 13 for anything else, the empty slot included.
inline std::int16_t Month(std::string_view name);
inline std::int16_t Month(const CardName& card);

// 0, 5, 10 or 20 for a card of either picture set; 0 for the empty string.
inline std::int16_t CardValue(std::string_view name);
inline std::int16_t CardValue(const CardName& card);

// The rank of the card within its month, from the CardTable entry of exactly that name;
// 0 when no entry has it (an empty slot, or a name of the other picture set).
std::int16_t MonthRank(const CardTableType& table, const CardName& card);
std::int16_t MonthRank(const CardTableType& table, std::string_view name);

// 0..47, (Month - 1) * 4 + MonthRank - 1, for a card name of either picture set spelled
// exactly as the deck spells it; -1 for anything else.
inline int CardIndex(std::string_view name);
inline bool IsPlainName(std::string_view name) {
    return name.size() > 4 && name[3] == 'o' && name[4] == '_';
}
// The value of the card with that index.
inline std::int16_t IndexValue(int index);

// The text by which hands and the desk are sorted: month letter, blank, 20 - value.
std::string CardSortKey(std::string_view name);

// The 48 cards in their initial order, named from the marked or the plain picture set.
void BuildCardTable(CardTableType& table, bool showSuitsAndScores);

// Bubble passes of adjacent swaps until none is needed; equal keys never swap.
template <int N>
void SortSlots(OneBased<CardName, N>& slots);

extern template void SortSlots<10>(HandSlots&);
extern template void SortSlots<16>(DeskSlots&);

// A row that is sorted and compact (cards first) stays so after one change, exactly as
// SortSlots would leave it, without sorting the whole row again.
// The card in `slot` has just been removed: the cards after it move up one place.
template <int N>
void CloseGap(OneBased<CardName, N>& slots, int slot);
// A card has just been written to `slot`, the row's first empty one: it moves before the
// cards that sort after it and stays after those that sort with it.
template <int N>
void SettleNewCard(OneBased<CardName, N>& slots, int slot);

extern template void CloseGap<10>(HandSlots&, int);
extern template void CloseGap<16>(DeskSlots&, int);
extern template void SettleNewCard<16>(DeskSlots&, int);

}  // namespace vm

#include "model/cards_inline.h"

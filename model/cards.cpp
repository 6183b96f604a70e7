#include "model/cards.h"

#include <algorithm>
#include <array>

#include "model/number_text.h"

namespace vm {
namespace {

// The initial order is the character-code order of the marked names: months alphabetically,
// card numbers as text ("0" < "1" < "10" < "20" < "5").
constexpr std::array<int, 12> MonthsInNameOrder = {4, 8, 12, 2, 1, 7, 6, 3, 5, 11, 10, 9};
constexpr std::array<int, 5> NumbersInNameOrder = {0, 1, 10, 20, 5};

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The deck in its initial order, named from one picture set; built once, copied per deal.
CardTableType MakeInitialTable(bool showSuitsAndScores) {
    CardTableType table;
    int entry = 1;
    for (int month : MonthsInNameOrder) {
        const auto& ranks = detail::RankByNumber[static_cast<std::size_t>(month - 1)];
        for (int number : NumbersInNameOrder) {
            const int rank = ranks[static_cast<std::size_t>(number)];
            if (rank == 0) continue;
            const int index = (month - 1) * 4 + rank - 1;
            CardRecord& record = table[entry++];
            record.CardName = CardName::OfIndex(index, !showSuitsAndScores);
            record.Month = static_cast<std::int16_t>(month);
            record.CardValue = IndexValue(index);
            record.MonthRank = static_cast<std::int16_t>(rank);
        }
    }
    return table;
}

}  // namespace

std::int16_t CardValueOfUnusualName(std::string_view name) {
    if (name.empty()) return 0;
    std::string_view number = name.substr(0, name.find('.'));
    const auto underscore = number.find('_');
    if (underscore != std::string_view::npos) number = number.substr(underscore + 1);
    std::int16_t value = 0;
    if (number.size() == 1 && IsDigit(number[0])) {
        value = static_cast<std::int16_t>(number[0] - '0');
    } else if (number.size() == 2 && IsDigit(number[0]) && IsDigit(number[1])) {
        value = static_cast<std::int16_t>((number[0] - '0') * 10 + (number[1] - '0'));
    } else {
        value = RoundToInt16(ReadDecimal(number));
    }
    return value == 1 ? 0 : value;
}

std::int16_t MonthRank(const CardTableType& table, const CardName& card) {
    // A dealt table holds each card of its picture set once, with the rank its name gives,
    // so the rank needs no search; a table not yet filled is searched.
    if (table[1].CardName.IsDeckCard()) {
        const int index = card.IndexIn(table[1].CardName.IsPlain());
        return static_cast<std::int16_t>(index < 0 ? 0 : index % 4 + 1);
    }
    for (const CardRecord& record : table) {
        if (record.CardName == card) return record.MonthRank;
    }
    return 0;
}

std::int16_t MonthRank(const CardTableType& table, std::string_view name) {
    return MonthRank(table, CardName(name));
}

std::string CardSortKey(std::string_view name) {
    std::string key(1, static_cast<char>('A' + Month(name)));
    key += ' ';
    key += std::to_string(20 - CardValue(name));
    return key;
}

void BuildCardTable(CardTableType& table, bool showSuitsAndScores) {
    static const CardTableType marked = MakeInitialTable(true);
    static const CardTableType plain = MakeInitialTable(false);
    table = showSuitsAndScores ? marked : plain;
}

namespace {

// Moves each card left past the cards with greater keys: a stable sort, so it leaves the
// cards exactly where repeated passes of adjacent swaps would, with far fewer moves.
template <typename Cards, typename Keys>
void StableSort(Cards cards, Keys keys, int count) {
    for (int i = 1; i < count; ++i) {
        if (!(keys[i - 1] > keys[i])) continue;
        auto key = std::move(keys[i]);
        CardName card = cards[i];
        int j = i - 1;
        for (; j >= 0 && keys[j] > key; --j) {
            keys[j + 1] = std::move(keys[j]);
            cards[j + 1] = cards[j];
        }
        keys[j + 1] = std::move(key);
        cards[j + 1] = card;
    }
}

// For the deck's own names the text key orders exactly as the numeric sort key; a row holding
// any other name is sorted by the text keys themselves.
template <int N>
void SortByTextKeys(OneBased<CardName, N>& slots) {
    std::array<std::string, N> keys;
    for (int i = 0; i < N; ++i) keys[static_cast<std::size_t>(i)] = CardSortKey(slots.begin()[i]);
    StableSort(slots.begin(), keys.begin(), N);
}

}  // namespace

template <int N>
void SortSlots(OneBased<CardName, N>& slots) {
    // Empty slots all have the greatest key, so the sort moves the cards, in their order,
    // before them: the cards are sorted among themselves and written back first.
    std::array<CardName, N> sorted{};
    std::array<std::int16_t, N> keys{};
    std::size_t count = 0;
    for (const CardName& card : slots) {
        if (card.empty()) continue;
        // Names that are no cards sort by their text; the whole row is sorted for them.
        if (card.Number() >= CardName::DeckNumbers) {
            SortByTextKeys(slots);
            return;
        }
        sorted[count] = card;
        keys[count] = detail::SortKeyByNumber[card.Number()];
        ++count;
    }
    StableSort(sorted.begin(), keys.begin(), static_cast<int>(count));
    std::copy(sorted.begin(), sorted.end(), slots.begin());
}

template void SortSlots<10>(HandSlots&);
template void SortSlots<16>(DeskSlots&);

template <int N>
void CloseGap(OneBased<CardName, N>& slots, int slot) {
    const auto gap = slots.begin() + (slot - 1);
    std::copy(gap + 1, slots.end(), gap);
    slots.end()[-1] = CardName();
}

template <int N>
void SettleNewCard(OneBased<CardName, N>& slots, int slot) {
    const auto row = slots.begin();
    const auto last = static_cast<std::size_t>(slot - 1);
    // Names that are no cards sort by their text; the whole row is sorted for them.
    const bool deckNamesOnly = std::all_of(row, row + slot, [](const CardName& card) {
        return card.Number() < CardName::DeckNumbers;
    });
    if (!deckNamesOnly) {
        SortSlots(slots);
        return;
    }
    const CardName card = row[last];
    const std::int16_t key = detail::SortKeyByNumber[card.Number()];
    std::size_t j = last;
    for (; j > 0 && detail::SortKeyByNumber[row[j - 1].Number()] > key; --j) row[j] = row[j - 1];
    row[j] = card;
}

template void CloseGap<10>(HandSlots&, int);
template void CloseGap<16>(DeskSlots&, int);
template void SettleNewCard<16>(DeskSlots&, int);

}  // namespace vm

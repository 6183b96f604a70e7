#include "game/cards.h"

#include <array>

#include "game/number_text.h"

namespace vm {
namespace {

constexpr std::array<std::string_view, 12> MonthAbbreviations = {
    "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};

// Card numbers of ranks 1 to 4 for each month, January first.
constexpr std::array<std::array<std::string_view, 4>, 12> CardNumbersByRank = {{
    {"20", "5", "1", "0"},  {"10", "5", "1", "0"}, {"20", "5", "1", "0"},
    {"10", "5", "1", "0"},  {"10", "5", "1", "0"}, {"10", "5", "1", "0"},
    {"10", "5", "1", "0"},  {"20", "10", "1", "0"}, {"10", "5", "1", "0"},
    {"10", "5", "1", "0"},  {"20", "10", "1", "0"}, {"20", "10", "5", "0"},
}};

// The initial order is the character-code order of the marked names: months alphabetically,
// card numbers as text ("0" < "1" < "10" < "20" < "5").
constexpr std::array<int, 12> MonthsInNameOrder = {4, 8, 12, 2, 1, 7, 6, 3, 5, 11, 10, 9};
constexpr std::array<std::string_view, 5> NumbersInNameOrder = {"0", "1", "10", "20", "5"};

int RankOf(int month, std::string_view number) {
    const auto& numbers = CardNumbersByRank[static_cast<std::size_t>(month - 1)];
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] == number) return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace

std::int16_t Month(std::string_view name) {
    const std::string_view head = name.substr(0, 3);
    for (std::size_t i = 0; i < MonthAbbreviations.size(); ++i) {
        if (head == MonthAbbreviations[i]) return static_cast<std::int16_t>(i + 1);
    }
    return NoMonth;
}

std::int16_t CardValue(std::string_view name) {
    if (name.empty()) return 0;
    std::string_view number = name.substr(0, name.find('.'));
    const auto underscore = number.find('_');
    if (underscore != std::string_view::npos) number = number.substr(underscore + 1);
    const std::int16_t value = RoundToInt16(ReadDecimal(number));
    return value == 1 ? 0 : value;
}

std::int16_t MonthRank(const CardTableType& table, std::string_view name) {
    // Only the four records of the name's month can match; comparing the stored month first
    // keeps this lookup cheap, as it runs for every captured card.
    const std::int16_t month = Month(name);
    for (const CardRecord& record : table) {
        if (record.Month == month && record.CardName == name) return record.MonthRank;
    }
    return 0;
}

std::string CardSortKey(std::string_view name) {
    std::string key(1, static_cast<char>('A' + Month(name)));
    key += ' ';
    key += std::to_string(20 - CardValue(name));
    return key;
}

CardName PlainName(std::string_view markedName) {
    const auto underscore = markedName.find('_');
    if (underscore == std::string_view::npos) return CardName(markedName) + "o";
    CardName plain(markedName.substr(0, underscore));
    plain += 'o';
    plain += markedName.substr(underscore);
    return plain;
}

void BuildCardTable(CardTableType& table, bool showSuitsAndScores) {
    int entry = 1;
    for (int month : MonthsInNameOrder) {
        const auto abbreviation = MonthAbbreviations[static_cast<std::size_t>(month - 1)];
        for (std::string_view number : NumbersInNameOrder) {
            const int rank = RankOf(month, number);
            if (rank == 0) continue;
            CardRecord& record = table[entry++];
            record.CardName = std::string(abbreviation) + "_" + std::string(number) + ".bmp";
            record.Month = Month(record.CardName);
            record.CardValue = CardValue(record.CardName);
            if (!showSuitsAndScores) record.CardName = PlainName(record.CardName);
            record.MonthRank = static_cast<std::int16_t>(rank);
        }
    }
}

template <int N>
void SortSlots(OneBased<CardName, N>& slots) {
    OneBased<std::string, N> keys;
    for (int i = 1; i <= N; ++i) keys[i] = CardSortKey(slots[i]);
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 1; i < N; ++i) {
            if (keys[i] > keys[i + 1]) {
                std::swap(keys[i], keys[i + 1]);
                std::swap(slots[i], slots[i + 1]);
                swapped = true;
            }
        }
    }
}

template void SortSlots<10>(HandSlots&);
template void SortSlots<16>(DeskSlots&);

}  // namespace vm

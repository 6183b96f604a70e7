#pragma once
// The card helpers that run for every slot of every search, sort and check, kept inline and
// free of string comparisons and allocations.

#include <array>
#include <cstdint>
#include <string_view>

namespace vm {

std::int16_t CardValueOfUnusualName(std::string_view name);

namespace detail {

// The card numbers of ranks 1 to 4 for each month, January first.
inline constexpr std::array<std::array<std::int8_t, 4>, 12> NumbersByRank = {{
    {20, 5, 1, 0},
    {10, 5, 1, 0},
    {20, 5, 1, 0},
    {10, 5, 1, 0},
    {10, 5, 1, 0},
    {10, 5, 1, 0},
    {10, 5, 1, 0},
    {20, 10, 1, 0},
    {10, 5, 1, 0},
    {10, 5, 1, 0},
    {20, 10, 1, 0},
    {20, 10, 5, 0},
}};

// Rank by card number (0, 1, 5, 10, 20) for each month; 0 where the month has no such card.
inline constexpr std::array<std::array<std::int8_t, 21>, 12> RankByNumber = [] {
    std::array<std::array<std::int8_t, 21>, 12> table{};
    for (std::size_t m = 0; m < 12; ++m) {
        for (std::size_t r = 0; r < 4; ++r) {
            table[m][static_cast<std::size_t>(NumbersByRank[m][r])] =
                static_cast<std::int8_t>(r + 1);
        }
    }
    return table;
}();

// A card's value is its number, except that the "1" cards are worth nothing.
inline constexpr std::array<std::int16_t, 48> ValueByIndex = [] {
    std::array<std::int16_t, 48> values{};
    for (std::size_t i = 0; i < 48; ++i) {
        const int number = NumbersByRank[i / 4][i % 4];
        values[i] = static_cast<std::int16_t>(number == 1 ? 0 : number);
    }
    return values;
}();

// Month (13 for no card) and value by card number, for the cards of both sets and no card.
inline constexpr std::array<std::int8_t, CardName::DeckNumbers> MonthByNumber = [] {
    std::array<std::int8_t, CardName::DeckNumbers> months{};
    months[0] = 13;
    for (std::size_t n = 1; n < months.size(); ++n)
        months[n] = static_cast<std::int8_t>((n - 1) % 48 / 4 + 1);
    return months;
}();

inline constexpr std::array<std::int8_t, CardName::DeckNumbers> ValueByNumber = [] {
    std::array<std::int8_t, CardName::DeckNumbers> values{};
    for (std::size_t n = 1; n < values.size(); ++n)
        values[n] = static_cast<std::int8_t>(ValueByIndex[(n - 1) % 48]);
    return values;
}();

// The sort key: month * 100 + (20 - value), no card sorting as month 13 with value 0.
inline constexpr std::array<std::int16_t, CardName::DeckNumbers> SortKeyByNumber = [] {
    std::array<std::int16_t, CardName::DeckNumbers> keys{};
    for (std::size_t n = 0; n < keys.size(); ++n) {
        keys[n] = static_cast<std::int16_t>(MonthByNumber[n] * 100 + 20 - ValueByNumber[n]);
    }
    return keys;
}();

}  // namespace detail

// A name's month, from its first three letters ("jan_20.bmp" and plain "jano_20.bmp" alike).
inline std::int16_t Month(std::string_view name) {
    constexpr std::array<std::string_view, 12> prefixes = {
        "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    for (std::size_t m = 0; m < prefixes.size(); ++m) {
        if (name.starts_with(prefixes[m])) return static_cast<std::int16_t>(m + 1);
    }
    return NoMonth;
}

[[gnu::always_inline]] inline int CardIndex(std::string_view name) {
    const int month = Month(name);
    if (month == NoMonth) return -1;
    const std::size_t underscore = IsPlainName(name) ? 4 : 3;
    if (name.size() < underscore + 6 || name[underscore] != '_') return -1;
    const char first = name[underscore + 1];
    const char second = name[underscore + 2];
    int number = first - '0';
    std::size_t dot = underscore + 2;
    if ((first == '1' || first == '2') && second == '0') {
        number *= 10;
        dot = underscore + 3;
    } else if (first != '0' && first != '1' && first != '5') {
        return -1;
    }
    if (name.size() != dot + 4 || name[dot] != '.' || name[dot + 1] != 'b' ||
        name[dot + 2] != 'm' || name[dot + 3] != 'p') {
        return -1;
    }
    const int rank =
        detail::RankByNumber[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(number)];
    return rank == 0 ? -1 : (month - 1) * 4 + rank - 1;
}

inline std::int16_t IndexValue(int index) {
    return detail::ValueByIndex[static_cast<std::size_t>(index)];
}

inline std::int16_t CardValue(std::string_view name) {
    const int index = CardIndex(name);
    return index >= 0 ? IndexValue(index) : CardValueOfUnusualName(name);
}

// The order of hands and the desk for the card with that index: by month, then by value from
// high to low.
inline std::int16_t SortKeyOfIndex(int index) {
    return detail::SortKeyByNumber[static_cast<std::size_t>(
        CardName::OfIndex(index, false).Number())];
}

[[gnu::always_inline]] inline std::int16_t Month(const CardName& card) {
    if (card.Number() < CardName::DeckNumbers) return detail::MonthByNumber[card.Number()];
    return Month(std::string_view(card));
}

[[gnu::always_inline]] inline std::int16_t CardValue(const CardName& card) {
    if (card.Number() < CardName::DeckNumbers) return detail::ValueByNumber[card.Number()];
    return CardValueOfUnusualName(card);
}

}  // namespace vm

#pragma once
// A card as the engine holds it: a small number that stands for its name. The 96 names of the
// two picture sets have numbers of their own, so copying a card, comparing two and finding
// its month or value are integer work. Any other text, which only odd input makes, is kept
// in a table of its own and still reads back exactly as written.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vm {

class CardName {
    static constexpr std::uint32_t DeckSize = 48;

public:
    CardName() = default;
    // A card reads from its text wherever a text is given, as the file name it is.
    CardName(std::string_view text);  // NOLINT(google-explicit-constructor)
    CardName& operator=(std::string_view text) { return *this = CardName(text); }

    // The card of the given number, 0..47, in the marked or the plain picture set.
    static CardName OfIndex(int index, bool plain) {
        CardName card;
        card.code_ = static_cast<std::uint32_t>(index + 1 + (plain ? DeckSize : 0));
        return card;
    }

    bool empty() const { return code_ == 0; }
    void clear() { code_ = 0; }

    // The number itself, for tables indexed by card: 0 no card, 1..48 the marked set and
    // 49..96 the plain set in index order, then other texts.
    std::uint32_t Number() const { return code_; }
    static constexpr std::uint32_t DeckNumbers = 2 * DeckSize + 1;

    bool IsDeckCard() const { return code_ >= 1 && code_ <= 2 * DeckSize; }
    bool IsPlain() const { return code_ > DeckSize && code_ <= 2 * DeckSize; }
    // 0..47, (Month - 1) * 4 + MonthRank - 1, for a card of either picture set; -1 otherwise.
    int Index() const { return IsDeckCard() ? static_cast<int>((code_ - 1) % DeckSize) : -1; }
    // The index when the card is of the given picture set; -1 otherwise.
    int IndexIn(bool plainSet) const {
        const std::uint32_t index = code_ - (plainSet ? DeckSize + 1 : 1);
        return index < DeckSize ? static_cast<int>(index) : -1;
    }

    const std::string& Text() const;
    operator const std::string&() const { return Text(); }  // NOLINT(google-explicit-constructor)
    operator std::string_view() const { return Text(); }    // NOLINT(google-explicit-constructor)

    friend bool operator==(const CardName&, const CardName&) = default;
    friend bool operator==(const CardName& card, std::string_view text) {
        return card.Text() == text;
    }

private:
    // 0 no card; 1..48 the marked set, 49..96 the plain set, by index; above, other texts.
    std::uint32_t code_ = 0;
};

std::ostream& operator<<(std::ostream& out, const CardName& card);

}  // namespace vm

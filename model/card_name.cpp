#include "model/card_name.h"

#include <array>
#include <deque>
#include <mutex>
#include <ostream>
#include <unordered_map>

#include "model/cards.h"

namespace vm {
namespace {

constexpr std::array<std::string_view, 12> MonthAbbreviations = {
    "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};

// Entry 0 is the empty name, then the marked set and the plain set by index.
const std::array<std::string, CardName::DeckNumbers>& DeckTexts() {
    static const auto texts = [] {
        std::array<std::string, CardName::DeckNumbers> result;
        for (int index = 0; index < 48; ++index) {
            for (const bool plain : {false, true}) {
                std::string& text = result[CardName::OfIndex(index, plain).Number()];
                text = MonthAbbreviations[static_cast<std::size_t>(index / 4)];
                if (plain) text += 'o';
                text += '_';
                text += std::to_string(detail::NumbersByRank[static_cast<std::size_t>(index / 4)]
                                                            [static_cast<std::size_t>(index % 4)]);
                text += ".bmp";
            }
        }
        return result;
    }();
    return texts;
}

// Texts that name no card of the deck, each numbered once, in the order first met. They are
// few and never removed, so a number stays valid for the life of the program.
class OtherTexts {
public:
    static OtherTexts& Instance() {
        static OtherTexts table;
        return table;
    }

    std::uint32_t CodeOf(std::string_view text) {
        const std::lock_guard lock(mutex_);
        if (const auto found = codes_.find(text); found != codes_.end()) return found->second;
        const std::string& stored = texts_.emplace_back(text);
        const auto code = static_cast<std::uint32_t>(CardName::DeckNumbers - 1 + texts_.size());
        codes_.emplace(stored, code);
        return code;
    }

    const std::string& TextOf(std::uint32_t code) {
        const std::lock_guard lock(mutex_);
        return texts_[code - CardName::DeckNumbers];
    }

private:
    std::mutex mutex_;
    std::deque<std::string> texts_;  // a deque never moves what it holds
    std::unordered_map<std::string_view, std::uint32_t> codes_;
};

}  // namespace

CardName::CardName(std::string_view text) {
    if (text.empty()) return;
    if (const int index = CardIndex(text); index >= 0) {
        *this = OfIndex(index, IsPlainName(text));
        return;
    }
    code_ = OtherTexts::Instance().CodeOf(text);
}

const std::string& CardName::Text() const {
    if (code_ < DeckNumbers) return DeckTexts()[code_];
    return OtherTexts::Instance().TextOf(code_);
}

std::ostream& operator<<(std::ostream& out, const CardName& card) { return out << card.Text(); }

}  // namespace vm

#include "game/number_text.h"

#include <array>
#include <cctype>
#include <cmath>
#include <limits>

namespace vm {
namespace {

// " 0" to " 999": the blank and up to three digits, the length in the last place.
const std::array<std::array<char, 5>, 1000> SmallNumbers = [] {
    std::array<std::array<char, 5>, 1000> numbers{};
    for (std::size_t n = 0; n < numbers.size(); ++n) {
        std::array<char, 5>& number = numbers[n];
        const std::string digits = std::to_string(n);
        number[0] = ' ';
        for (std::size_t i = 0; i < digits.size(); ++i) number[i + 1] = digits[i];
        number[4] = static_cast<char>(digits.size() + 1);
    }
    return numbers;
}();

}  // namespace

void SetNumberText(std::string& text, int value) {
    // The labels show small numbers, written from a table; the digits go straight into the
    // label, which mostly keeps its length.
    if (value >= 0 && value < static_cast<int>(SmallNumbers.size())) {
        const std::array<char, 5>& number = SmallNumbers[static_cast<std::size_t>(value)];
        const auto length = static_cast<std::size_t>(number[4]);
        text.resize(length);
        for (std::size_t i = 0; i < length; ++i) text[i] = number[i];
        return;
    }
    auto magnitude = value < 0 ? 0U - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    std::size_t digits = 1;
    for (auto rest = magnitude; rest >= 10; rest /= 10) ++digits;
    text.resize(digits + 1);
    text[0] = value < 0 ? '-' : ' ';  // a blank where the minus sign would stand
    for (std::size_t i = digits; i >= 1; --i) {
        text[i] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
}

std::string NumberText(int value) {
    std::string text;
    SetNumberText(text, value);
    return text;
}

double ReadDecimal(std::string_view text) {
    double whole = 0.0;
    double fraction = 0.0;
    double scale = 1.0;
    bool negative = false;
    bool signSeen = false;
    bool pointSeen = false;
    bool digitSeen = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        if ((c == '-' || c == '+') && !signSeen && !digitSeen && !pointSeen) {
            signSeen = true;
            negative = c == '-';
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            digitSeen = true;
            if (pointSeen) {
                scale /= 10.0;
                fraction += (c - '0') * scale;
            } else if (whole < 1e18) {
                whole = whole * 10.0 + (c - '0');
            }
        } else {
            break;
        }
    }
    const double value = whole + fraction;
    return negative ? -value : value;
}

std::int16_t RoundToInt16(double value) {
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) return 0;
    if (value <= low) return std::numeric_limits<std::int16_t>::min();
    if (value >= high) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::nearbyint(value));  // default rounding: half to even
}

}  // namespace vm

#include "model/number_text.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace vm {

void SetNumberText(std::string& text, int value) {
    // The digits go straight into the label, which mostly keeps its length.
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

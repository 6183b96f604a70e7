#include "game/number_text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace vm {

void SetNumberText(std::string& text, int value) {
    std::array<char, 16> buffer{' '};  // a blank where the minus sign would stand
    const auto written = std::to_chars(buffer.data() + 1, buffer.data() + buffer.size(), value);
    const char* first = value >= 0 ? buffer.data() : buffer.data() + 1;
    text.assign(first, static_cast<std::size_t>(written.ptr - first));
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

#include "records/high_score_rules.h"

#include <cstdio>

namespace vm {
namespace {

int FirstRowBelow(const HighScoreTable& table, std::int16_t score) {
    for (int row = 1; row <= HighScoreTable::Size; ++row) {
        if (table[row].Score < score) return row;
    }
    return 0;
}

// C0 controls, DEL, and the C1 controls U+0080..U+009F (encoded as C2 80 .. C2 9F).
std::size_t ControlLength(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F) return 1;
    if (byte == 0xC2 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F) return 2;
    }
    return 0;
}

}  // namespace

bool QualifiesForHighScore(const HighScoreTable& table, std::int16_t score) {
    return FirstRowBelow(table, score) != 0;
}

void InsertHighScore(HighScoreTable& table, std::int16_t score, std::string_view name,
                     std::string_view date) {
    const int p = FirstRowBelow(table, score);
    if (p == 0) return;
    for (int row = HighScoreTable::Size; row > p; --row) table[row] = table[row - 1];
    table[p] = {StorableName(name), score, std::string(date)};
}

std::string DateText(const std::tm& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.tm_mday, date.tm_mon + 1,
                  date.tm_year + 1900);
    return text;
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateText(local);
}

std::string StorableName(std::string_view name) {
    std::string stored;
    stored.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        if (const std::size_t control = ControlLength(name, at)) {
            at += control;
            continue;
        }
        const char c = name[at++];
        stored += c == '\\' || c == '|' ? '/' : c;
    }
    return stored;
}

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace vm

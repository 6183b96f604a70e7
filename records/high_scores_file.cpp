#include "records/high_scores_file.h"

#include "model/number_text.h"
#include "records/data_file.h"
#include "records/high_score_rules.h"
#include "records/latin1.h"

namespace vm {
namespace {

HighScoreEntry Placeholder(int row) { return {"Player " + std::to_string(row), 0, "00/00/0000"}; }

HighScoreEntry ParseRow(std::string_view line, int row) {
    const std::size_t backslash = line.find('\\');
    const std::size_t bar = line.find('|');
    if (line.empty() || backslash == std::string_view::npos || bar == std::string_view::npos ||
        bar < backslash) {
        return Placeholder(row);
    }
    const std::string_view score = line.substr(backslash + 1, bar - backslash - 1);
    return {Latin1ToUtf8(line.substr(0, backslash)), RoundToInt16(ReadDecimal(score)),
            Latin1ToUtf8(line.substr(bar + 1))};
}

std::string FormatRow(const HighScoreEntry& entry, int row) {
    if (entry.Score <= 0) return "Player " + std::to_string(row) + "\\0|00/00/0000";
    return TrimBlanks(Utf8ToLatin1(StorableName(entry.Name))) + "\\" + std::to_string(entry.Score) +
           "|" + TrimBlanks(Utf8ToLatin1(entry.Date));
}

}  // namespace

HighScoreTable PlaceholderTable() {
    HighScoreTable table;
    for (int row = 1; row <= HighScoreTable::Size; ++row) table[row] = Placeholder(row);
    return table;
}

HighScoreTable ParseHighScores(std::string_view bytes) {
    HighScoreTable table;
    int row = 0;
    for (std::string_view line : SplitLines(bytes)) {
        if (++row > HighScoreTable::Size) break;
        table[row] = ParseRow(line, row);
    }
    return table;
}

std::string FormatHighScores(const HighScoreTable& table) {
    std::string text;
    for (int row = 1; row <= HighScoreTable::Size; ++row) {
        text += FormatRow(table[row], row) + "\r\n";
    }
    return text;
}

}  // namespace vm

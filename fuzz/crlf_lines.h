#pragma once
// Counts the lines of a saved data file, stopping the fuzzer at any LF without its CR.

#include <cstdlib>
#include <string>

inline std::size_t CountCrLfLines(const std::string& text) {
    std::size_t lines = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') std::abort();
        ++lines;
    }
    if (!text.empty() && text.back() != '\n') std::abort();
    return lines;
}

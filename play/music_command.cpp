#include "play/music_command.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vm {

namespace {

bool SameWord(const std::string& word, const char* keyword) {
    const std::string key = keyword;
    return word.size() == key.size() &&
           std::equal(word.begin(), word.end(), key.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           });
}

// Splits at blanks; a word in double quotes may hold blanks and loses its quotes.
std::optional<std::vector<std::string>> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string::npos) {
            return words;
        }
        if (text[at] == '"') {
            const std::size_t close = text.find('"', at + 1);
            if (close == std::string::npos) {
                return std::nullopt;
            }
            words.push_back(text.substr(at + 1, close - at - 1));
            at = close + 1;
            if (at < text.size() && text[at] != ' ' && text[at] != '\t') {
                return std::nullopt;
            }
        } else {
            const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
            words.push_back(text.substr(at, end - at));
            at = end;
        }
    }
}

}  // namespace

std::string OpenCommand(const std::string& path) {
    const bool hasBlank = path.find_first_of(" \t") != std::string::npos;
    const std::string shown = hasBlank ? "\"" + path + "\"" : path;
    return "OPEN " + shown + " TYPE SEQUENCER ALIAS " + MusicAlias;
}

std::string StatusCommand() { return std::string("STATUS ") + MusicAlias + " MODE"; }

std::string PlayCommand() { return std::string("PLAY ") + MusicAlias + " FROM 0"; }

std::string CloseCommand() { return std::string("CLOSE ") + MusicAlias; }

std::optional<MusicCommand> ParseMusicCommand(const std::string& text) {
    const auto words = SplitWords(text);
    if (!words || words->empty()) {
        return std::nullopt;
    }
    const std::vector<std::string>& w = *words;
    if (w.size() == 6 && SameWord(w[0], "OPEN") && SameWord(w[2], "TYPE") &&
        SameWord(w[3], "SEQUENCER") && SameWord(w[4], "ALIAS")) {
        return MusicCommand{MusicVerb::Open, w[5], w[1]};
    }
    if (w.size() == 3 && SameWord(w[0], "STATUS") && SameWord(w[2], "MODE")) {
        return MusicCommand{MusicVerb::Status, w[1], ""};
    }
    if (w.size() == 4 && SameWord(w[0], "PLAY") && SameWord(w[2], "FROM") && w[3] == "0") {
        return MusicCommand{MusicVerb::Play, w[1], ""};
    }
    if (w.size() == 2 && SameWord(w[0], "CLOSE")) {
        return MusicCommand{MusicVerb::Close, w[1], ""};
    }
    return std::nullopt;
}

}  // namespace vm

#include "records/options_file.h"

#include <algorithm>
#include <cctype>

#include "game/number_text.h"
#include "game/session.h"
#include "records/data_file.h"
#include "records/latin1.h"
#include "records/save_reports.h"

namespace vm {
namespace {

bool IsOn(std::string_view value) {
    if (value.size() != 2) return false;
    return std::tolower(static_cast<unsigned char>(value[0])) == 'o' &&
           std::tolower(static_cast<unsigned char>(value[1])) == 'n';
}

const char* OnOff(bool flag) { return flag ? "on" : "off"; }

// A line break inside a file name would split its line in two.
std::string OneLine(const std::string& text) {
    std::string line = Utf8ToLatin1(text);
    std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
    return line;
}

void StoreLine(std::string_view line, OptionsReading& reading) {
    const std::size_t bracket = line.find(']');
    if (bracket == std::string_view::npos) return;
    const std::string_view key = line.substr(0, bracket + 1);
    // Exactly one character after the key is skipped, whatever it is.
    const std::string_view value = bracket + 2 <= line.size() ? line.substr(bracket + 2) : "";
    GameOptions& options = reading.Options;
    if (key == "[suitsandscores]") {
        options.ShowSuitsAndScores = IsOn(value);
    } else if (key == "[debug]") {
        options.DebugMode = IsOn(value);
    } else if (key == "[speed]") {
        options.DealSpeed = RoundToInt16(ReadDecimal(value));
    } else if (key == "[sound]") {
        options.SoundEffectsOn = IsOn(value);
    } else if (key == "[music]") {
        options.BackgroundMusicOn = IsOn(value);
    } else if (key == "[musictrack]") {
        options.MusicTrack = Latin1ToUtf8(value);
        reading.MusicTrackRead = true;
    } else if (key == "[cardback]") {
        options.CardBackFile = Latin1ToUtf8(value);
    }
}

}  // namespace

OptionsReading ParseOptions(std::string_view bytes) {
    OptionsReading reading;
    for (std::string_view line : SplitLines(bytes)) StoreLine(line, reading);
    return reading;
}

std::string FormatOptions(const GameOptions& options) {
    std::string text;
    const auto line = [&text](std::string_view key, std::string_view value) {
        text.append(key).append(value).append("\r\n");
    };
    line("[suitsandscores]=", OnOff(options.ShowSuitsAndScores));
    line("[debug]=", OnOff(options.DebugMode));
    line("[speed]=", std::to_string(options.DealSpeed));
    line("[sound]=", OnOff(options.SoundEffectsOn));
    line("[music]=", OnOff(options.BackgroundMusicOn));
    line("[musictrack]=", OneLine(options.MusicTrack));
    line("[cardback]=", OneLine(options.CardBackFile));
    return text;
}

void ReadOptions(Session& session) {
    session.options = GameOptions{};
    if (!FilePresent(SavedFileFolder(session, SavedFile::Options), OptionsFileName)) {
        WriteOptions(session);
        return;
    }
    const auto bytes = ReadFileBytes(SavedFileFolder(session, SavedFile::Options) + OptionsFileName);
    if (!bytes) return;
    const OptionsReading reading = ParseOptions(*bytes);
    session.options = reading.Options;
    if (reading.MusicTrackRead) session.music.MusicTrackChanged = false;
}

bool WriteOptions(Session& session) {
    return SaveDataFile(session, SavedFile::Options, FormatOptions(session.options));
}

}  // namespace vm

#include "tools/assetgen/note_list.h"

#include <charconv>
#include <cmath>
#include <map>
#include <sstream>

namespace vm {

namespace {

struct Step {
    std::vector<int> pitches;  // empty for a rest
    int ticks = 0;
};

using SectionParts = std::map<std::string, std::vector<Step>>;

[[noreturn]] void Fail(int lineNumber, const std::string& message) {
    throw NoteListError("line " + std::to_string(lineNumber) + ": " + message);
}

int ParseInt(const std::string& text, int lineNumber) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        Fail(lineNumber, "not a whole number: " + text);
    }
    return value;
}

double ParsePositiveNumber(const std::string& text, int lineNumber) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) {
        Fail(lineNumber, "not a positive number: " + text);
    }
    return value;
}

int ParsePitch(const std::string& text, int lineNumber) {
    static const std::map<char, int> semitones = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                  {'G', 7}, {'A', 9}, {'B', 11}};
    if (text.size() < 2 || !semitones.contains(text[0])) {
        Fail(lineNumber, "not a pitch: " + text);
    }
    int semitone = semitones.at(text[0]);
    std::size_t octaveStart = 1;
    if (text[1] == '#' || text[1] == 'b') {
        semitone += text[1] == '#' ? 1 : -1;
        octaveStart = 2;
    }
    const int pitch = 12 * (ParseInt(text.substr(octaveStart), lineNumber) + 1) + semitone;
    if (pitch < 0 || pitch > 127) {
        Fail(lineNumber, "pitch out of range: " + text);
    }
    return pitch;
}

Step ParseStep(const std::string& token, int lineNumber) {
    Step step;
    const std::size_t colon = token.find(':');
    const std::string sound = token.substr(0, colon);
    const double beats =
        colon == std::string::npos ? 1.0 : ParsePositiveNumber(token.substr(colon + 1), lineNumber);
    step.ticks = static_cast<int>(std::lround(beats * TicksPerBeat));
    if (sound != "r") {
        std::stringstream chord(sound);
        std::string pitch;
        while (std::getline(chord, pitch, '+')) {
            step.pitches.push_back(ParsePitch(pitch, lineNumber));
        }
    }
    return step;
}

SongPart ParsePart(std::istringstream& words, int lineNumber) {
    SongPart part;
    if (!(words >> part.name)) {
        Fail(lineNumber, "a part needs a name");
    }
    std::string setting;
    while (words >> setting) {
        const std::size_t equals = setting.find('=');
        if (equals == std::string::npos) {
            Fail(lineNumber, "expected key=value: " + setting);
        }
        const std::string key = setting.substr(0, equals);
        const std::string value = setting.substr(equals + 1);
        if (key == "program") {
            part.program = ParseInt(value, lineNumber);
        } else if (key == "velocity") {
            part.velocity = ParseInt(value, lineNumber);
        } else if (key == "gate") {
            part.gate = ParsePositiveNumber(value, lineNumber);
        } else if (key == "pan") {
            part.pan = ParseInt(value, lineNumber);
        } else if (key == "reverb") {
            part.reverb = ParseInt(value, lineNumber);
        } else {
            Fail(lineNumber, "unknown part setting: " + key);
        }
    }
    return part;
}

int TotalTicks(const std::vector<Step>& steps) {
    int ticks = 0;
    for (const Step& step : steps) {
        ticks += step.ticks;
    }
    return ticks;
}

void PlaySections(Song& song, const std::map<std::string, SectionParts>& sections,
                  const std::vector<std::pair<std::string, int>>& form) {
    song.notesByPart.assign(song.parts.size(), {});
    int sectionStart = 0;
    for (const auto& [sectionName, lineNumber] : form) {
        const auto found = sections.find(sectionName);
        if (found == sections.end()) {
            Fail(lineNumber, "no section named " + sectionName);
        }
        int sectionTicks = 0;
        for (const auto& [partName, steps] : found->second) {
            sectionTicks = std::max(sectionTicks, TotalTicks(steps));
        }
        for (std::size_t p = 0; p < song.parts.size(); ++p) {
            const auto steps = found->second.find(song.parts[p].name);
            if (steps == found->second.end()) {
                continue;
            }
            if (TotalTicks(steps->second) != sectionTicks) {
                Fail(lineNumber, "in section " + sectionName + " part " + song.parts[p].name +
                                     " is shorter than the section");
            }
            int tick = sectionStart;
            for (const Step& step : steps->second) {
                for (int pitch : step.pitches) {
                    song.notesByPart[p].push_back({tick, step.ticks, pitch});
                }
                tick += step.ticks;
            }
        }
        sectionStart += sectionTicks;
    }
    song.lengthTicks = sectionStart;
}

}  // namespace

Song ParseNoteList(const std::string& text) {
    Song song;
    std::map<std::string, SectionParts> sections;
    std::vector<std::pair<std::string, int>> form;
    std::string currentSection;

    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string keyword;
        if (!(words >> keyword)) {
            continue;
        }
        if (keyword == "title") {
            std::getline(words >> std::ws, song.title);
        } else if (keyword == "tempo") {
            std::string bpm;
            words >> bpm;
            song.beatsPerMinute = ParseInt(bpm, lineNumber);
        } else if (keyword == "part") {
            song.parts.push_back(ParsePart(words, lineNumber));
        } else if (keyword == "section") {
            words >> currentSection;
            sections[currentSection];
        } else if (keyword == "form") {
            std::string name;
            while (words >> name) {
                form.emplace_back(name, lineNumber);
            }
        } else if (keyword.back() == ':') {
            const std::string partName = keyword.substr(0, keyword.size() - 1);
            bool known = false;
            for (const SongPart& part : song.parts) {
                known = known || part.name == partName;
            }
            if (!known || currentSection.empty()) {
                Fail(lineNumber, "notes for an unknown part or outside a section: " + partName);
            }
            std::vector<Step>& steps = sections[currentSection][partName];
            std::string token;
            while (words >> token) {
                steps.push_back(ParseStep(token, lineNumber));
            }
        } else {
            Fail(lineNumber, "unknown line: " + keyword);
        }
    }
    PlaySections(song, sections, form);
    return song;
}

}  // namespace vm

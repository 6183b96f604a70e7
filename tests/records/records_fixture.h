#pragma once
// A fresh folder per test, a host that records every call and answers the name dialog from a
// script, and a session whose program folder is that fresh folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "game/session.h"

namespace vm::test {

// What the first start writes into an empty folder.
inline constexpr const char* DefaultOptionsFile =
    "[suitsandscores]=on\r\n"
    "[debug]=off\r\n"
    "[speed]=3\r\n"
    "[sound]=on\r\n"
    "[music]=on\r\n"
    "[musictrack]=haiku.mid\r\n"
    "[cardback]=back.bmp\r\n";
inline constexpr const char* PlaceholderScoresFile =
    "Player 1\\0|00/00/0000\r\n"
    "Player 2\\0|00/00/0000\r\n"
    "Player 3\\0|00/00/0000\r\n"
    "Player 4\\0|00/00/0000\r\n"
    "Player 5\\0|00/00/0000\r\n"
    "Player 6\\0|00/00/0000\r\n"
    "Player 7\\0|00/00/0000\r\n"
    "Player 8\\0|00/00/0000\r\n"
    "Player 9\\0|00/00/0000\r\n"
    "Player 10\\0|00/00/0000\r\n";

class ScratchFolder {
public:
    ScratchFolder() {
        std::string name =
            (std::filesystem::temp_directory_path() / "velmoria-records-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) std::abort();
        path_ = name;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with a trailing "/", as the program's folder is given.
    std::string Folder() const { return path_ + "/"; }
    std::string Path(std::string_view name) const { return Folder() + std::string(name); }
    void Write(std::string_view name, std::string_view bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(std::string_view name) const {
        std::ifstream file(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

class RecordingHost : public Host {
public:
    std::vector<std::string> Calls;
    std::vector<std::string> Messages;
    std::string NameToType;
    std::string NameOffered;
    HighScoreTable TableShown;
    ScoreboardView ScoreboardShown;

    void Pause(double) override { Calls.push_back("Pause"); }
    void PlaySoundEffect(const std::string&) override { Calls.push_back("PlaySoundEffect"); }
    void ShowMessage(const std::string& text) override {
        Calls.push_back("ShowMessage");
        Messages.push_back(text);
    }
    bool AskAbort() override {
        Calls.push_back("AskAbort");
        return false;
    }
    void ShowMeld(const MeldInfo&) override { Calls.push_back("ShowMeld"); }
    void ShowCandidateDump(const std::string&) override { Calls.push_back("ShowCandidateDump"); }
    void ShowScoreboard(const ScoreboardView& view) override {
        Calls.push_back("ShowScoreboard");
        ScoreboardShown = view;
    }
    std::string AskHighScoreName(const std::string& name) override {
        Calls.push_back("AskHighScoreName");
        NameOffered = name;
        return NameToType;
    }
    void ShowHighScores(const HighScoreTable& table) override {
        Calls.push_back("ShowHighScores");
        TableShown = table;
    }
};

class RecordsTest : public ::testing::Test {
protected:
    RecordsTest() { session.ProgramFolder = folder.Folder(); }

    ScratchFolder folder;
    RecordingHost host;
    Session session{host};
};

}  // namespace vm::test

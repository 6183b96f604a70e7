#pragma once
// A host that answers the name dialog from a script and records every call in order.

#include <string>
#include <vector>

#include "ui/host.h"

namespace vm::test {

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

}  // namespace vm::test

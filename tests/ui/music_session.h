#pragma once
// A session for the music tests: a host that shows nothing, since music never asks it.

#include <string>

#include "game/session.h"

namespace vm {

class QuietHost : public Host {
public:
    void Pause(double) override {}
    void PlaySoundEffect(const std::string&) override {}
    void ShowMessage(const std::string&) override {}
    bool AskAbort() override { return false; }
    void ShowMeld(const MeldInfo&) override {}
    void ShowCandidateDump(const std::string&) override {}
    void ShowScoreboard(const ScoreboardView&) override {}
    std::string AskHighScoreName(const std::string& name) override { return name; }
    void ShowHighScores(const HighScoreTable&) override {}
};

}  // namespace vm

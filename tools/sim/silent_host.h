#pragma once
// The simulator's host: answers every dialog at once, never waits, and turns what the game
// reports into trace lines and tallies.

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "view/host.h"

namespace vm {

struct Session;

struct GameTally {
    int FirstMover = 0;
    std::array<std::array<bool, 6>, 2> Melds{};  // [side - 1][meld - 1]
    int PlayerScore = 0;
    int CPUScore = 0;
    vm::GameResult GameResult = vm::GameResult::None;
    int Violations = 0;
    bool Ended = false;
};

class SilentHost : public Host {
public:
    // Trace lines go to `trace` when it is not null.
    explicit SilentHost(std::ostream* trace) : trace_(trace) {}

    void Attach(Session& session) { session_ = &session; }
    void StartGame(int number);
    // Writes the header lines of the game once its deal has been accepted.
    void DealAccepted();
    const GameTally& Tally() const { return tally_; }

    void Pause(double) override {}
    void PlaySoundEffect(const std::string&) override {}
    void ShowMessage(const std::string& text) override;
    bool AskAbort() override { return false; }
    void ShowMeld(const MeldInfo& info) override;
    void ShowCandidateDump(const std::string&) override {}
    void ShowScoreboard(const ScoreboardView& view) override;
    std::string AskHighScoreName(const std::string& name) override { return name; }
    void ShowHighScores(const HighScoreTable&) override {}
    void PlayCompleted(const PlayEvent& event) override;

private:
    void WriteGameHeader();

    std::ostream* trace_;
    Session* session_ = nullptr;
    int gameNumber_ = 0;
    bool headerWritten_ = false;
    bool deckWritten_ = false;
    std::vector<std::string> pendingMelds_;
    GameTally tally_;
};

}  // namespace vm

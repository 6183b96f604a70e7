#pragma once
// The core's host on the main window: pauses in a nested event loop, card sounds, and the
// modal dialogs. The table is redrawn before anything that takes time or waits for the
// player, so what the player sees is always the core's view.

#include "view/host.h"

namespace vm {

class Form1;

class QtHost : public Host {
  public:
    explicit QtHost(Form1& form) : m_form(form) {}

    void Pause(double seconds) override;
    void PlaySoundEffect(const std::string& path) override;
    void ShowMessage(const std::string& text) override;
    bool AskAbort() override;
    void ShowMeld(const MeldInfo& info) override;
    void ShowCandidateDump(const std::string& text) override;
    void ShowScoreboard(const ScoreboardView& view) override;
    std::string AskHighScoreName(const std::string& name) override;
    void ShowHighScores(const HighScoreTable& table) override;

  private:
    Form1& m_form;
};

}  // namespace vm

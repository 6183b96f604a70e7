#pragma once
// A host for the core's tests: records every call in order as a line of text, keeps what each
// dialog was given, answers "Abort Game?" and the name dialog from a script, and, when attached
// to a session, keeps a copy of the game and the table as they stood at every call.

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "play/session.h"
#include "view/host.h"

namespace vm::test {

struct Snapshot {
    Game game;
    TableView view;
};

class ScriptedHost : public Host {
public:
    // Lines such as "Pause 1", "Sound /prog/Card_up.wav", "Message <text>", "Meld <entry 6>",
    // "Dump <text>", "Scoreboard", "AskAbort", "AskName", "HighScores", "Play 1 jan_20.bmp
    // jan_1.bmp", "Draw 2 may_0.bmp -".
    std::vector<std::string> Calls;
    std::vector<Snapshot> Snapshots;  // one per call while attached, else empty
    std::vector<std::string> Messages;
    std::vector<MeldInfo> Melds;
    std::vector<ScoreboardView> Scoreboards;
    bool AbortAnswer = false;
    std::string NameToType = "Tester";  // the name dialog's answer
    std::string NameOffered;            // the name it was last opened with
    std::function<void()> OnPause;      // runs inside every pause, after it has been recorded
    // Runs after every call has been recorded; it may throw, as a pause cut short does.
    std::function<void(const std::string& call)> OnCall;

    void Attach(Session& session) { session_ = &session; }
    void Detach() { session_ = nullptr; }

    void Pause(double seconds) override {
        std::ostringstream text;
        text << "Pause " << seconds;
        Record(text.str());
        if (OnPause) OnPause();
    }
    void PlaySoundEffect(const std::string& path) override { Record("Sound " + path); }
    void ShowMessage(const std::string& text) override {
        Messages.push_back(text);
        Record("Message " + text);
    }
    bool AskAbort() override {
        Record("AskAbort");
        return AbortAnswer;
    }
    void ShowMeld(const MeldInfo& info) override {
        Melds.push_back(info);
        Record("Meld " + info.Announcement);
    }
    void ShowCandidateDump(const std::string& text) override { Record("Dump " + text); }
    void ShowScoreboard(const ScoreboardView& view) override {
        Scoreboards.push_back(view);
        Record("Scoreboard");
    }
    std::string AskHighScoreName(const std::string& name) override {
        NameOffered = name;
        Record("AskName");
        return NameToType;
    }
    void ShowHighScores(const HighScoreTable& /*table*/) override { Record("HighScores"); }
    void PlayCompleted(const PlayEvent& event) override {
        Record(std::string(event.FromPile ? "Draw " : "Play ") + std::to_string(event.Side) + " " +
               event.Card.Text() + " " + event.TakenText());
    }

    void Clear() {
        Calls.clear();
        Snapshots.clear();
        Messages.clear();
        Melds.clear();
        Scoreboards.clear();
    }
    // Index of the first call that begins with `prefix`, or -1.
    int Find(const std::string& prefix) const {
        for (std::size_t i = 0; i < Calls.size(); ++i) {
            if (Calls[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        }
        return -1;
    }
    int Count(const std::string& prefix) const {
        int n = 0;
        for (const std::string& call : Calls) n += call.rfind(prefix, 0) == 0 ? 1 : 0;
        return n;
    }
    const Snapshot& At(int callIndex) const {
        return Snapshots.at(static_cast<std::size_t>(callIndex));
    }
    const Snapshot& At(const std::string& prefix) const { return At(Find(prefix)); }

private:
    void Record(std::string text) {
        Calls.push_back(std::move(text));
        if (session_) Snapshots.push_back({session_->game, session_->view});
        if (OnCall) OnCall(Calls.back());
    }

    Session* session_ = nullptr;
};

}  // namespace vm::test

#pragma once
// What the core asks of whoever shows the game: the effects that take time or wait for the
// player. The window implements it with Qt, the tests with a scripted host, the simulator
// with a silent one.

#include <array>
#include <string>

#include "model/card_name.h"
#include "model/game_state.h"
#include "records/high_score_table.h"
#include "view/meld_view.h"
#include "view/scoreboard_view.h"

namespace vm {

// A hand card played or a pile card turned, once the play is complete: the card, and the desk
// cards it took in the order taken (none when it was laid on the desk).
struct PlayEvent {
    vm::Side Side = NoSide;
    bool FromPile = false;
    CardName Card;
    std::array<CardName, 3> Taken{};

    // The cards taken joined by ",", or "-" for none.
    std::string TakenText() const {
        std::string text;
        for (const CardName& card : Taken) {
            if (card.empty()) continue;
            if (!text.empty()) text += ',';
            text += card;
        }
        return text.empty() ? "-" : text;
    }
};

// Thrown by Host::Pause when the player has chosen New, Abort or closing the window during a
// pause of play: the unfinished turn unwinds to the handler that started it.
struct TurnAbandoned {};

class Host {
public:
    virtual ~Host() = default;

    // Waits the given seconds while the window keeps working; 0 or less returns at once.
    virtual void Pause(double seconds) = 0;
    // Plays a wave file to its end; skipped while another sound is playing.
    virtual void PlaySoundEffect(const std::string& path) = 0;

    // A modal notice titled with the program's name, OK only.
    virtual void ShowMessage(const std::string& text) = 0;
    // "Abort Game?": true for Yes.
    virtual bool AskAbort() = 0;
    virtual void ShowMeld(const MeldInfo& info) = 0;
    virtual void ShowCandidateDump(const std::string& text) = 0;
    virtual void ShowScoreboard(const ScoreboardView& view) = 0;
    // The name dialog, opened holding `name`; returns the text as it stands when closed.
    virtual std::string AskHighScoreName(const std::string& name) = 0;
    virtual void ShowHighScores(const HighScoreTable& table) = 0;

    // Lets the simulator trace and check every play; the window has nothing to do here.
    virtual void PlayCompleted(const PlayEvent& /*event*/) {}
};

}  // namespace vm

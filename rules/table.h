#pragma once
// What a move works on: the game, the view it is shown on, the host that pauses, sounds and
// asks, and the options that decide how the moves are shown. Nothing of files or music.

#include <string>

#include "model/game_state.h"
#include "records/game_options.h"
#include "view/host.h"
#include "view/table_view.h"

namespace vm {

struct Table {
    Game& game;
    TableView& view;
    Host& host;
    const GameOptions& options;
    const std::string& assetFolder;  // where the card sounds are, with a trailing "/"
};

// The parts of the table a redraw shows afresh from the game.
enum class Zone { HumanHand, ComputerHand, Desk };

// The hand's zone: the human's or the computer's.
constexpr Zone HandZone(Side side) {
    return side == HumanSide ? Zone::HumanHand : Zone::ComputerHand;
}

void RedrawZone(Table& table, Zone zone);
// Waits DealSpeed seconds through the host; 0 or less does not wait.
void PauseForPlay(Table& table);
// Plays a card sound from the asset folder when sound effects are on.
void PlayCardSound(Table& table, const char* file);

// The markers and click states of the human's hand and the desk.
void HideMarkers(TableView& view);
void EnablePlayerHand(Table& table);
// Disables every hand place but `keep` (0 disables all).
void DisablePlayerHand(TableView& view, int keep);
void DisableDeskClicks(TableView& view);

}  // namespace vm

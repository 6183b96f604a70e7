#include "play/options_commands.h"

#include "play/flow.h"
#include "play/saved_records.h"
#include "play/session.h"

namespace vm {
namespace {

void ShowDebugItems(MenuState& menu, bool visible) {
    menu.mnuDebug.Checked = visible;
    for (MenuItemState* item :
         {&menu.mnuSep6, &menu.mnuPlayMatch, &menu.mnuCPUMatch, &menu.mnuSep5, &menu.mnuDealPile}) {
        item->Visible = visible;
    }
}

}  // namespace

void SetDealSpeed(Session& session, std::int16_t speed) {
    session.options.DealSpeed = speed;
    if (speed < 1 || speed > 3) return;
    MenuState& menu = session.view.Menu;
    menu.mnuFast.Checked = speed == 1;
    menu.mnuModerate.Checked = speed == 2;
    menu.mnuSlow.Checked = speed == 3;
}

void mnuSuit_Click(Session& session) {
    MenuItemState& item = session.view.Menu.mnuSuit;
    item.Checked = !item.Checked;
    session.options.ShowSuitsAndScores = item.Checked;
}

void mnuDebug_Click(Session& session) {
    const bool on = !session.view.Menu.mnuDebug.Checked;
    ShowDebugItems(session.view.Menu, on);
    session.options.DebugMode = on;
    // The computer's hand turns face up or down at once rather than at its next play. Between
    // games the hand slots still hold the last game's cards, which must stay hidden.
    if (session.game.GameInProgress) {
        Table table = TableOf(session);
        RedrawZone(table, Zone::ComputerHand);
    }
}

void mnuSound_Click(Session& session) {
    MenuItemState& item = session.view.Menu.mnuSound;
    item.Checked = !item.Checked;
    session.options.SoundEffectsOn = item.Checked;
}

void mnuSaveOptions_Click(Session& session) { WriteOptions(session); }

void ApplyOptions(Session& session) {
    const GameOptions& options = session.options;
    SetDealSpeed(session, options.DealSpeed);
    session.view.Menu.mnuSuit.Checked = options.ShowSuitsAndScores;
    ShowDebugItems(session.view.Menu, options.DebugMode);
    session.view.Menu.mnuSound.Checked = options.SoundEffectsOn;
}

}  // namespace vm

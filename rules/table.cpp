#include "rules/table.h"

namespace vm {

void RedrawZone(Table& table, Zone zone) {
    const Game& game = table.game;
    TableView& view = table.view;
    if (zone == Zone::Desk) {
        for (int slot = 1; slot <= DeskSlots::Size; ++slot) {
            view.picDesk[slot].Visible = !game.Desk[slot].empty();
            view.picDesk[slot].Picture = game.Desk[slot];
        }
        return;
    }
    const bool human = zone == Zone::HumanHand;
    const HandSlots& hand = human ? game.PlayerHand : game.CPUHand;
    auto& places = human ? view.picHand : view.picComp;
    // The computer's cards show their back unless the debug aids are on.
    const bool faceUp = human || table.options.DebugMode;
    for (int slot = 1; slot <= HandSlots::Size; ++slot) {
        const CardName& card = hand[slot];
        places[slot].Visible = !card.empty();
        if (card.empty()) {
            places[slot].Picture.clear();
        } else {
            places[slot].Picture = faceUp ? card : table.options.CardBackFile;
        }
    }
}

void PauseForPlay(Table& table) {
    if (table.options.DealSpeed > 0) table.host.Pause(table.options.DealSpeed);
}

void PlayCardSound(Table& table, const char* file) {
    if (table.options.SoundEffectsOn) table.host.PlaySoundEffect(table.assetFolder + file);
}

void HideMarkers(TableView& view) {
    view.picShape.Fill(false);
    view.picHandShape.Fill(false);
    view.picCompShape.Fill(false);
    view.picPileShape.Fill(false);
    view.ChosenDeskSlot = 0;
}

void EnablePlayerHand(Table& table) {
    for (int slot = 1; slot <= HandSlots::Size; ++slot) {
        table.view.picHand[slot].Enabled = !table.game.PlayerHand[slot].empty();
    }
}

void DisablePlayerHand(TableView& view, int keep) {
    for (int slot = 1; slot <= HandSlots::Size; ++slot) {
        if (slot != keep) view.picHand[slot].Enabled = false;
    }
}

void DisableDeskClicks(TableView& view) {
    for (CardPlace& place : view.picDesk) place.Enabled = false;
}

}  // namespace vm

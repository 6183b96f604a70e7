#include "game/player_input.h"

#include "game/matching.h"
#include "game/session.h"

namespace vm {
namespace {

bool IsDeskMatch(const Game& game, int deskSlot) {
    for (int entry = 1; entry <= 3; ++entry) {
        if (game.DeskMatchSlots[entry] == deskSlot) return true;
    }
    return false;
}

}  // namespace

void picHand_MouseMove(Session& session, int index) {
    Game& game = session.game;
    if (!game.PlayerMayAct || index == game.SelectedHandSlot || !HandSlots::InRange(index)) return;
    // An empty place is hidden; pointing at it selects nothing.
    if (game.PlayerHand[index].empty()) return;
    HideMarkers(session);
    game.MatchPending = false;
    DisableDeskClicks(session);
    session.view.picHandShape[index] = true;
    game.SelectedHandSlot = static_cast<std::int16_t>(index);
    const int count = FindDeskMatches(game, Month(game.PlayerHand[index]));
    if (count == 0) return;
    game.MatchPending = true;
    for (int entry = 1; entry <= 3; ++entry) {
        const int deskSlot = game.DeskMatchSlots[entry];
        if (deskSlot <= 0) continue;
        session.view.picShape[deskSlot] = true;
        session.view.picDesk[deskSlot].Enabled = true;
    }
}

void picHand_Click(Session& session, int index) {
    Game& game = session.game;
    if (!game.PlayerMayAct || !HandSlots::InRange(index)) return;
    if (!game.MatchPending) {
        if (game.SelectedHandSlot == 0) return;
        PlayToDesk(session);
        EndHumanPlay(session);
        return;
    }
    if (game.PlayerHand[index].empty()) return;
    game.SelectedHandSlot = static_cast<std::int16_t>(index);
    const int count = FindDeskMatches(game, Month(game.PlayerHand[index]));
    if (count == 1) {
        CaptureSingleMatch(session);
        EndHumanPlay(session);
    } else if (count >= 3) {
        CaptureThreeMatches(session);
        EndHumanPlay(session);
    }
}

void picDesk_Click(Session& session, int index) {
    Game& game = session.game;
    if (!game.PlayerMayAct || !game.MatchPending || !DeskSlots::InRange(index)) return;
    if (!IsDeskMatch(game, index)) return;
    CaptureChosenMatch(session, index);
    EndHumanPlay(session);
}

void HideMarkers(Session& session) {
    TableView& view = session.view;
    view.picShape.Fill(false);
    view.picHandShape.Fill(false);
    view.picCompShape.Fill(false);
    view.picPileShape.Fill(false);
    view.ChosenDeskSlot = 0;
}

void EnablePlayerHand(Session& session) {
    auto place = session.view.picHand.begin();
    for (const CardName& card : session.game.PlayerHand) (place++)->Enabled = !card.empty();
}

void DisablePlayerHand(Session& session, int keep) {
    int slot = 0;
    for (CardPlace& place : session.view.picHand) place.Enabled &= ++slot == keep;
}

void DisableDeskClicks(Session& session) {
    for (CardPlace& place : session.view.picDesk) place.Enabled = false;
}

}  // namespace vm

#include "play/player_input.h"

#include "play/flow.h"
#include "play/session.h"
#include "rules/matching.h"
#include "rules/pile_draw.h"

namespace vm {
namespace {

bool IsDeskMatch(const Game& game, int deskSlot) {
    for (int entry = 1; entry <= 3; ++entry) {
        if (game.DeskMatchSlots[entry] == deskSlot) return true;
    }
    return false;
}

// After the human's play: the pile draw, the side change and the hand-over.
void EndHumanPlay(Session& session) {
    Table table = TableOf(session);
    DrawFromPile(table);
    session.game.TurnSide = OtherSide(session.game.TurnSide);
    NextTurn(session);
}

}  // namespace

void picHand_MouseMove(Session& session, int index) {
    Game& game = session.game;
    if (!game.PlayerMayAct || index == game.SelectedHandSlot || !HandSlots::InRange(index)) return;
    // An empty place is hidden; pointing at it selects nothing.
    if (game.PlayerHand[index].empty()) return;
    HideMarkers(session.view);
    game.MatchPending = false;
    DisableDeskClicks(session.view);
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
        Table table = TableOf(session);
        PlayToDesk(table);
        EndHumanPlay(session);
        return;
    }
    if (game.PlayerHand[index].empty()) return;
    game.SelectedHandSlot = static_cast<std::int16_t>(index);
    const int count = FindDeskMatches(game, Month(game.PlayerHand[index]));
    Table table = TableOf(session);
    if (count == 1) {
        CaptureSingleMatch(table);
        EndHumanPlay(session);
    } else if (count >= 3) {
        CaptureThreeMatches(table);
        EndHumanPlay(session);
    }
}

void picDesk_Click(Session& session, int index) {
    Game& game = session.game;
    if (!game.PlayerMayAct || !game.MatchPending || !DeskSlots::InRange(index)) return;
    if (!IsDeskMatch(game, index)) return;
    Table table = TableOf(session);
    CaptureChosenMatch(table, index);
    EndHumanPlay(session);
}

}  // namespace vm

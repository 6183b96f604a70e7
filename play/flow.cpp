#include "play/flow.h"

#include "model/number_text.h"
#include "play/end_of_game.h"
#include "play/session.h"
#include "rules/captured_piles.h"
#include "rules/computer_turn.h"
#include "rules/deal.h"

namespace vm {
namespace {

// Every human turn starts with nothing selected, also in a game dealt over an unfinished one.
void ClearSelection(Session& session) {
    session.game.SelectedHandSlot = 0;
    session.game.MatchPending = false;
    HideMarkers(session.view);
    DisableDeskClicks(session.view);
}

}  // namespace

void NewGame(Session& session) {
    session.view.Menu.mnuAbort.Enabled = true;
    session.game.GameInProgress = true;
    // A game interrupted by New leaves nothing behind: no captures, scores or melds.
    ResetTable(session);
    ClearSelection(session);
    Table table = TableOf(session);
    DealNewGame(table);
    NextTurn(session);
}

bool ConfirmAbort(Session& session) {
    return session.view.Menu.mnuAbort.Enabled && session.host.AskAbort();
}

void AbortGame(Session& session) {
    session.game.GameInProgress = false;
    session.view.Menu.mnuAbort.Enabled = false;
    ResetTable(session);
}

void NextTurn(Session& session) {
    Game& game = session.game;
    if (game.LastDrawDone) {
        EndOfGame(session);
        return;
    }
    Table table = TableOf(session);
    if (game.TurnSide == HumanSide) {
        game.PlayerMayAct = true;
        EnablePlayerHand(table);
    } else if (game.TurnSide == ComputerSide) {
        ComputerTurn(table);
        NextTurn(session);
    }
}

void ResetTable(Session& session) {
    TableView& view = session.view;
    for (const Side side : {HumanSide, ComputerSide}) {
        view.picPile[side].Visible = false;
        view.picPileShape[side] = false;
    }
    for (int slot = 1; slot <= HandSlots::Size; ++slot) {
        view.picHand[slot].Visible = false;
        view.picHand[slot].Enabled = false;
        view.picComp[slot].Visible = false;
        view.picComp[slot].Enabled = false;
        view.picHandShape[slot] = false;
        view.picCompShape[slot] = false;
    }
    view.ChosenDeskSlot = 0;
    for (int slot = 1; slot <= DeskSlots::Size; ++slot) {
        view.picShape[slot] = false;
        view.picDesk[slot].Visible = false;
        view.picDesk[slot].Enabled = false;
    }
    Game& game = session.game;
    ClearCapturedView(view);
    ClearCapturedPiles(game);
    game.PlayerScore = 0;
    game.CPUScore = 0;
    ShowScore(game, view, HumanSide);
    ShowScore(game, view, ComputerSide);
    view.lblCards[HumanSide] = "0";
    view.lblCards[ComputerSide] = "0";
    game.LastDrawDone = false;
    for (auto& flags : game.MeldFlags) flags.Fill(0);
}

void ShowCapturedPiles(Session& session, Side side) {
    if (session.game.GameInProgress) ShowCapturedView(session.game, session.view, side);
}

std::optional<PileView> PileToShow(const Session& session) {
    if (!session.game.GameInProgress) return std::nullopt;
    return BuildPileView(session.game);
}

}  // namespace vm

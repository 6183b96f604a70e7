#include "game/flow.h"

#include "game/computer_turn.h"
#include "game/deal.h"
#include "game/player_input.h"
#include "game/session.h"
#include "records/end_of_game.h"
#include "scoring/captured_piles.h"

namespace vm {
namespace {

// Every human turn starts with nothing selected, also in a game dealt over an unfinished one.
void ClearSelection(Session& session) {
    session.game.SelectedHandSlot = 0;
    session.game.MatchPending = false;
    HideMarkers(session);
    DisableDeskClicks(session);
}

// The computer's places show the card back on every redraw of its hand; the file's name is
// read into a card once for each file chosen.
CardName BackPicture(const std::string& file) {
    static thread_local std::string lastFile;
    static thread_local CardName lastPicture;
    if (lastPicture.empty() || file != lastFile) {
        lastFile = file;
        lastPicture = CardName(file);
    }
    return lastPicture;
}

}  // namespace

void mnuNew_Click(Session& session) {
    session.view.Menu.mnuAbort.Enabled = true;
    session.game.GameInProgress = true;
    // A game interrupted by New leaves nothing behind: no captures, scores or melds.
    ResetTable(session);
    ClearSelection(session);
    DealNewGame(session);
}

void mnuAbort_Click(Session& session) {
    if (!session.view.Menu.mnuAbort.Enabled) return;
    if (!session.host.AskAbort()) return;
    AbortGame(session);
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
    if (game.TurnSide == HumanSide) {
        game.PlayerMayAct = true;
        EnablePlayerHand(session);
    } else if (game.TurnSide == ComputerSide) {
        ComputerTurn(session);
    }
}

void RedrawZone(Session& session, int zone) {
    const Game& game = session.game;
    if (zone == 1 || zone == 2) {
        const HandSlots& hand = zone == 1 ? game.PlayerHand : game.CPUHand;
        auto place = (zone == 1 ? session.view.picHand : session.view.picComp).begin();
        const bool faceUp = zone == 1 || session.options.DebugMode;
        const CardName back = faceUp ? CardName() : BackPicture(session.options.CardBackFile);
        for (const CardName& card : hand) {
            place->Visible = !card.empty();
            place->Picture = card.empty() ? CardName() : faceUp ? card : back;
            ++place;
        }
    } else if (zone == 3) {
        auto place = session.view.picDesk.begin();
        for (const CardName& card : game.Desk) {
            place->Visible = !card.empty();
            place->Picture = card;
            ++place;
        }
    }
}

void ResetTable(Session& session) {
    TableView& view = session.view;
    for (int side = 1; side <= 2; ++side) {
        view.picPile[side].Visible = false;
        view.picPileShape[side] = false;
    }
    for (int slot = 1; slot <= 10; ++slot) {
        view.picHand[slot].Visible = false;
        view.picHand[slot].Enabled = false;
        view.picComp[slot].Visible = false;
        view.picComp[slot].Enabled = false;
        view.picHandShape[slot] = false;
        view.picCompShape[slot] = false;
    }
    view.ChosenDeskSlot = 0;
    for (int slot = 1; slot <= 16; ++slot) {
        view.picShape[slot] = false;
        view.picDesk[slot].Visible = false;
        view.picDesk[slot].Enabled = false;
    }
    ClearCapturedView(session);
    ClearCapturedPiles(session);
    session.game.PlayerScore = 0;
    session.game.CPUScore = 0;
    ShowScore(session, HumanSide);
    ShowScore(session, ComputerSide);
    view.lblCards[HumanSide] = "0";
    view.lblCards[ComputerSide] = "0";
    session.game.LastDrawDone = false;
    for (auto& flags : session.game.MeldFlags) flags.Fill(0);
}

void PauseForPlay(Session& session) {
    if (session.options.DealSpeed > 0) session.host.Pause(session.options.DealSpeed);
}

}  // namespace vm

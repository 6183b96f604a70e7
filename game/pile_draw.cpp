#include "game/pile_draw.h"

#include "game/debug_views.h"
#include "game/evaluation.h"
#include "game/flow.h"
#include "game/matching.h"
#include "game/number_text.h"
#include "game/session.h"
#include "scoring/captured_piles.h"
#include "scoring/melds.h"

namespace vm {
namespace {

// Of two desk cards of the pile card's month, the one the weighed candidates prefer.
int ChooseBetweenTwo(Session& session, const CardName& pileCard, int month) {
    Game& game = session.game;
    ClearCandidates(game);
    int n = 0;
    for (int slot = 1; slot <= DeskSlots::Size; ++slot) {
        const CardName& deskCard = game.Desk[slot];
        if (deskCard.empty() || Month(deskCard) != month) continue;
        SetCandidate(game, ++n, pileCard, 0, deskCard, slot);
    }
    AddBonuses(game, n);
    if (session.options.DebugMode) session.host.ShowCandidateDump(CandidateDumpText(game));
    int best = -1;
    int chosen = 0;
    for (int k = 1; k <= n; ++k) {
        if (game.CandidateTable[k].Score > best) {
            best = game.CandidateTable[k].Score;
            chosen = game.CandidateTable[k].DeskSlot;
        }
    }
    return chosen;
}

void CapturePileCard(Session& session, const CardName& card, int chosen) {
    Game& game = session.game;
    const int side = game.TurnSide;
    TableView& view = session.view;
    view.picPileShape[side] = true;
    view.picShape[chosen] = true;
    PauseForPlay(session);
    view.picPileShape[side] = false;
    view.picShape[chosen] = false;

    const CardName deskCard = game.Desk[chosen];
    const int deskRank = MonthRank(game.CardTable, deskCard);
    CaptureCard(session, side, deskCard, deskRank);
    if (side == HumanSide) ShowCapturedCard(session, side, deskCard, deskRank);
    RemoveDeskCard(session, chosen);
    PlayCardSound(session, "Card_up.wav");
    const int rank = MonthRank(game.CardTable, card);
    CaptureCard(session, side, card, rank);
    if (side == HumanSide) ShowCapturedCard(session, side, card, rank);
    view.picPile[side].Visible = false;
    CheckMelds(session, side);
    ShowScore(session, side);
    game.MatchPending = false;
}

void LayPileCard(Session& session, const CardName& card) {
    Game& game = session.game;
    PauseForPlay(session);
    game.Desk[game.DeskNextSlot] = card;
    SettleNewCard(game.Desk, game.DeskNextSlot);
    ++game.DeskNextSlot;
    session.view.picPile[game.TurnSide].Visible = false;
    RedrawZone(session, 3);
    PlayCardSound(session, "Card_down.wav");
}

}  // namespace

void DrawFromPile(Session& session) {
    Game& game = session.game;
    game.PlayerMayAct = false;
    if (game.PilePosition > 48) {
        game.LastDrawDone = true;
        return;
    }
    const CardName card = game.CardTable[game.PilePosition].CardName;
    const int month = Month(card);
    const int side = game.TurnSide == HumanSide ? HumanSide : ComputerSide;
    CardPlace& pilePlace = session.view.picPile[side];
    pilePlace.Visible = true;
    pilePlace.Picture = card;
    PlayCardSound(session, "Card_down.wav");

    const int count = FindDeskMatches(game, month);
    int chosen = 0;
    CardName taken;
    game.MatchPending = count > 0;
    if (count == 1) {
        chosen = game.DeskMatchSlots[1];
    } else if (count >= 2) {
        chosen = ChooseBetweenTwo(session, card, month);
    }
    if (game.MatchPending) {
        taken = game.Desk[chosen];
        CapturePileCard(session, card, chosen);
    } else {
        LayPileCard(session, card);
    }

    if (game.PilePosition >= 48) game.LastDrawDone = true;
    ++game.PilePosition;
    SetNumberText(session.view.lblCards[side], (49 - game.PilePosition) / 2);
    session.host.PlayCompleted({side, true, card, {taken}});
}

}  // namespace vm

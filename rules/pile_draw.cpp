#include "rules/pile_draw.h"

#include "model/number_text.h"
#include "rules/captured_piles.h"
#include "rules/evaluation.h"
#include "rules/matching.h"
#include "rules/melds.h"
#include "view/debug_views.h"

namespace vm {
namespace {

// Of two desk cards of the pile card's month, the one the weighed candidates prefer.
int ChooseBetweenTwo(Table& table, const CardName& pileCard, int month) {
    Game& game = table.game;
    ClearCandidates(game);
    int n = 0;
    for (int slot = 1; slot <= DeskSlots::Size; ++slot) {
        const CardName& deskCard = game.Desk[slot];
        if (deskCard.empty() || Month(deskCard) != month) continue;
        SetCandidate(game, ++n, pileCard, 0, deskCard, slot);
    }
    AddBonuses(game, n);
    if (table.options.DebugMode) table.host.ShowCandidateDump(CandidateDumpText(game));
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

// The turned card leaves the pile once its pause is over, before it is laid or captured, so
// that a meld notice, which may cut the turn short as a pause may, finds every card in one
// place. A card sound in between may find it in no place yet; a sound never cuts a turn short.
void TakeFromPile(Game& game) {
    if (game.PilePosition >= LastPilePosition) game.LastDrawDone = true;
    ++game.PilePosition;
}

void CapturePileCard(Table& table, const CardName& card, int chosen) {
    Game& game = table.game;
    const Side side = game.TurnSide;
    TableView& view = table.view;
    view.picPileShape[side] = true;
    view.picShape[chosen] = true;
    PauseForPlay(table);
    TakeFromPile(game);
    view.picPileShape[side] = false;
    view.picShape[chosen] = false;

    const CardName deskCard = game.Desk[chosen];
    const int deskRank = MonthRank(game.CardTable, deskCard);
    CaptureCard(game, view, side, deskCard, deskRank);
    if (side == HumanSide) ShowCapturedCard(view, deskCard, deskRank);
    RemoveDeskCard(table, chosen);
    PlayCardSound(table, "Card_up.wav");
    const int rank = MonthRank(game.CardTable, card);
    CaptureCard(game, view, side, card, rank);
    if (side == HumanSide) ShowCapturedCard(view, card, rank);
    view.picPile[side].Visible = false;
    CheckMelds(table, side);
    ShowScore(game, view, side);
    game.MatchPending = false;
}

void LayPileCard(Table& table, const CardName& card) {
    Game& game = table.game;
    PauseForPlay(table);
    TakeFromPile(game);
    game.Desk[game.DeskNextSlot] = card;
    SettleNewCard(game.Desk, game.DeskNextSlot);
    ++game.DeskNextSlot;
    table.view.picPile[game.TurnSide].Visible = false;
    RedrawZone(table, Zone::Desk);
    PlayCardSound(table, "Card_down.wav");
}

}  // namespace

void DrawFromPile(Table& table) {
    Game& game = table.game;
    game.PlayerMayAct = false;
    if (game.PilePosition > LastPilePosition) {
        game.LastDrawDone = true;
        return;
    }
    const CardName card = game.CardTable[game.PilePosition].CardName;
    const int month = Month(card);
    const Side side = game.TurnSide == HumanSide ? HumanSide : ComputerSide;
    CardPlace& pilePlace = table.view.picPile[side];
    pilePlace.Visible = true;
    pilePlace.Picture = card;
    PlayCardSound(table, "Card_down.wav");

    const int count = FindDeskMatches(game, month);
    int chosen = 0;
    CardName taken;
    game.MatchPending = count > 0;
    if (count == 1) {
        chosen = game.DeskMatchSlots[1];
    } else if (count >= 2) {
        chosen = ChooseBetweenTwo(table, card, month);
    }
    if (game.MatchPending) {
        taken = game.Desk[chosen];
        CapturePileCard(table, card, chosen);
    } else {
        LayPileCard(table, card);
    }

    SetNumberText(table.view.lblCards[side], (PileExhausted - game.PilePosition) / 2);
    table.host.PlayCompleted({side, true, card, {taken}});
}

}  // namespace vm

#include "game/matching.h"

#include <array>
#include <bit>

#include "game/flow.h"
#include "game/pile_draw.h"
#include "game/player_input.h"
#include "game/session.h"
#include "scoring/captured_piles.h"
#include "scoring/melds.h"

namespace vm {
namespace {

// Stores a card in the human's grid and shows it in its month pile.
void CaptureForHuman(Session& session, const CardName& card) {
    const int rank = MonthRank(session.game.CardTable, card);
    CaptureCard(session, HumanSide, card, rank);
    ShowCapturedCard(session, HumanSide, card, rank);
}

}  // namespace

std::int16_t FindDeskMatches(Game& game, int month) {
    // The matching slots as bits, gathered without branches on the cards; the list keeps
    // the first three, a fourth match is counted but never stored.
    unsigned matches = 0;
    std::int16_t count = 0;
    unsigned bit = 1;
    for (const CardName& card : game.Desk) {
        const bool match = (!card.empty()) & (Month(card) == month);
        matches |= match ? bit : 0U;
        count = static_cast<std::int16_t>(count + match);
        bit <<= 1;
    }
    for (int entry = 1; entry <= 3; ++entry) {
        game.DeskMatchSlots[entry] = static_cast<std::int16_t>(matches == 0 ? 0 : std::countr_zero(matches) + 1);
        matches &= matches - 1;
    }
    return count;
}

void RemoveHandCard(Session& session, int side, int slot) {
    Game& game = session.game;
    --game.HandCount[side];
    Hand(game, side)[slot].clear();
    CloseGap(Hand(game, side), slot);
    RedrawZone(session, side);
}

void RemoveDeskCard(Session& session, int slot) {
    Game& game = session.game;
    game.Desk[slot].clear();
    --game.DeskNextSlot;
    CloseGap(game.Desk, slot);
    RedrawZone(session, 3);
}

void LayCardOnDesk(Session& session, const CardName& card) {
    Game& game = session.game;
    game.Desk[game.DeskNextSlot] = card;
    SettleNewCard(game.Desk, game.DeskNextSlot);
    RedrawZone(session, 3);
    ++game.DeskNextSlot;
}

void PlayToDesk(Session& session) {
    Game& game = session.game;
    HideMarkers(session);
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    LayCardOnDesk(session, card);
    RemoveHandCard(session, HumanSide, game.SelectedHandSlot);
    PlayCardSound(session, "Card_down.wav");
    game.SelectedHandSlot = 0;
    session.host.PlayCompleted({HumanSide, false, card, {}});
}

void CaptureSingleMatch(Session& session) {
    Game& game = session.game;
    HideMarkers(session);
    game.MatchPending = false;
    int deskSlot = 0;
    for (int entry = 1; entry <= 3 && deskSlot == 0; ++entry) deskSlot = game.DeskMatchSlots[entry];
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    const CardName taken = game.Desk[deskSlot];
    CaptureForHuman(session, taken);
    RemoveDeskCard(session, deskSlot);
    PlayCardSound(session, "Card_up.wav");
    CaptureForHuman(session, card);
    RemoveHandCard(session, HumanSide, game.SelectedHandSlot);
    game.SelectedHandSlot = 0;
    DisableDeskClicks(session);
    PlayCardSound(session, "Card_up.wav");
    CheckMelds(session, HumanSide);
    ShowScore(session, HumanSide);
    session.host.PlayCompleted({HumanSide, false, card, {taken}});
}

void CaptureChosenMatch(Session& session, int deskSlot) {
    Game& game = session.game;
    HideMarkers(session);
    game.MatchPending = false;
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    const CardName taken = game.Desk[deskSlot];
    CaptureForHuman(session, taken);
    RemoveDeskCard(session, deskSlot);
    DisableDeskClicks(session);
    CaptureForHuman(session, card);
    RemoveHandCard(session, HumanSide, game.SelectedHandSlot);
    game.SelectedHandSlot = 0;
    CheckMelds(session, HumanSide);
    ShowScore(session, HumanSide);
    session.host.PlayCompleted({HumanSide, false, card, {taken}});
}

void CaptureThreeMatches(Session& session) {
    Game& game = session.game;
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    // The desk is sorted only after all three are taken, so the recorded slots stay valid.
    std::array<CardName, 3> taken{};
    for (int entry = 1; entry <= 3; ++entry) {
        const int deskSlot = game.DeskMatchSlots[entry];
        if (deskSlot <= 0) continue;
        taken[static_cast<std::size_t>(entry - 1)] = game.Desk[deskSlot];
        CaptureForHuman(session, game.Desk[deskSlot]);
        game.Desk[deskSlot].clear();
        --game.DeskNextSlot;
    }
    SortDesk(game);
    RedrawZone(session, 3);
    CaptureForHuman(session, card);
    RemoveHandCard(session, HumanSide, game.SelectedHandSlot);
    HideMarkers(session);
    game.MatchPending = false;
    game.SelectedHandSlot = 0;
    DisableDeskClicks(session);
    CheckMelds(session, HumanSide);
    ShowScore(session, HumanSide);
    session.host.PlayCompleted({HumanSide, false, card, taken});
}

void EndHumanPlay(Session& session) {
    DrawFromPile(session);
    Game& game = session.game;
    game.TurnSide = static_cast<std::int16_t>(game.TurnSide + 1);
    if (game.TurnSide > 2) game.TurnSide = 1;
    NextTurn(session);
}

}  // namespace vm

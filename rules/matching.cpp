#include "rules/matching.h"

#include <array>

#include "rules/captured_piles.h"
#include "rules/melds.h"

namespace vm {
namespace {

// Stores a card in the human's grid and shows it in its month pile.
void CaptureForHuman(Table& table, const CardName& card) {
    const int rank = MonthRank(table.game.CardTable, card);
    CaptureCard(table.game, table.view, HumanSide, card, rank);
    ShowCapturedCard(table.view, card, rank);
}

}  // namespace

std::int16_t FindDeskMatches(Game& game, int month) {
    game.DeskMatchSlots.Fill(0);
    std::int16_t count = 0;
    for (int slot = 1; slot <= DeskSlots::Size; ++slot) {
        const CardName& card = game.Desk[slot];
        if (card.empty() || Month(card) != month) continue;
        ++count;
        // A fourth match is counted but has no entry of its own.
        if (count <= game.DeskMatchSlots.Size)
            game.DeskMatchSlots[count] = static_cast<std::int16_t>(slot);
    }
    return count;
}

void RemoveHandCard(Table& table, Side side, int slot) {
    Game& game = table.game;
    --game.HandCount[side];
    Hand(game, side)[slot].clear();
    CloseGap(Hand(game, side), slot);
    RedrawZone(table, HandZone(side));
}

void RemoveDeskCard(Table& table, int slot) {
    Game& game = table.game;
    game.Desk[slot].clear();
    --game.DeskNextSlot;
    CloseGap(game.Desk, slot);
    RedrawZone(table, Zone::Desk);
}

void LayCardOnDesk(Table& table, const CardName& card) {
    Game& game = table.game;
    game.Desk[game.DeskNextSlot] = card;
    SettleNewCard(game.Desk, game.DeskNextSlot);
    RedrawZone(table, Zone::Desk);
    ++game.DeskNextSlot;
}

void PlayToDesk(Table& table) {
    Game& game = table.game;
    HideMarkers(table.view);
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    LayCardOnDesk(table, card);
    RemoveHandCard(table, HumanSide, game.SelectedHandSlot);
    PlayCardSound(table, "Card_down.wav");
    game.SelectedHandSlot = 0;
    table.host.PlayCompleted({HumanSide, false, card, {}});
}

void CaptureSingleMatch(Table& table) {
    Game& game = table.game;
    HideMarkers(table.view);
    game.MatchPending = false;
    int deskSlot = 0;
    for (int entry = 1; entry <= 3 && deskSlot == 0; ++entry) deskSlot = game.DeskMatchSlots[entry];
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    const CardName taken = game.Desk[deskSlot];
    CaptureForHuman(table, taken);
    RemoveDeskCard(table, deskSlot);
    PlayCardSound(table, "Card_up.wav");
    CaptureForHuman(table, card);
    RemoveHandCard(table, HumanSide, game.SelectedHandSlot);
    game.SelectedHandSlot = 0;
    DisableDeskClicks(table.view);
    PlayCardSound(table, "Card_up.wav");
    CheckMelds(table, HumanSide);
    ShowScore(game, table.view, HumanSide);
    table.host.PlayCompleted({HumanSide, false, card, {taken}});
}

void CaptureChosenMatch(Table& table, int deskSlot) {
    Game& game = table.game;
    HideMarkers(table.view);
    game.MatchPending = false;
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    const CardName taken = game.Desk[deskSlot];
    CaptureForHuman(table, taken);
    RemoveDeskCard(table, deskSlot);
    DisableDeskClicks(table.view);
    CaptureForHuman(table, card);
    RemoveHandCard(table, HumanSide, game.SelectedHandSlot);
    game.SelectedHandSlot = 0;
    CheckMelds(table, HumanSide);
    ShowScore(game, table.view, HumanSide);
    table.host.PlayCompleted({HumanSide, false, card, {taken}});
}

void CaptureThreeMatches(Table& table) {
    Game& game = table.game;
    const CardName card = game.PlayerHand[game.SelectedHandSlot];
    // The desk is sorted only after all three are taken, so the recorded slots stay valid.
    std::array<CardName, 3> taken{};
    for (int entry = 1; entry <= 3; ++entry) {
        const int deskSlot = game.DeskMatchSlots[entry];
        if (deskSlot <= 0) continue;
        taken[static_cast<std::size_t>(entry - 1)] = game.Desk[deskSlot];
        CaptureForHuman(table, game.Desk[deskSlot]);
        game.Desk[deskSlot].clear();
        --game.DeskNextSlot;
    }
    SortDesk(game);
    RedrawZone(table, Zone::Desk);
    CaptureForHuman(table, card);
    RemoveHandCard(table, HumanSide, game.SelectedHandSlot);
    HideMarkers(table.view);
    game.MatchPending = false;
    game.SelectedHandSlot = 0;
    DisableDeskClicks(table.view);
    CheckMelds(table, HumanSide);
    ShowScore(game, table.view, HumanSide);
    table.host.PlayCompleted({HumanSide, false, card, taken});
}

}  // namespace vm

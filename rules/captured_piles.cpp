#include "rules/captured_piles.h"

#include "model/number_text.h"

namespace vm {
namespace {

bool IsCell(int month, int rank) { return month >= 1 && month <= 12 && rank >= 1 && rank <= 4; }

}  // namespace

void CaptureCard(Game& game, TableView& view, Side side, const CardName& card, int rank) {
    const int month = Month(card);
    // A card that is not one of the deck's has no cell; storing it would corrupt the grid.
    if (!IsCell(month, rank) || (side != HumanSide && side != ComputerSide)) return;
    game.CapturedPiles[side][month][rank] = card;
    Score(game, side) = static_cast<std::int16_t>(Score(game, side) + CardValue(card));
    ShowScore(game, view, side);
}

void ShowCapturedCard(TableView& view, const CardName& card, int rank) {
    const int month = Month(card);
    if (!IsCell(month, rank)) return;
    CardPlace& place = view.MonthPiles[month][rank];
    place.Visible = true;
    place.Picture = card;
}

void ShowCapturedView(const Game& game, TableView& view, Side side) {
    ClearCapturedView(view);
    const CapturedGrid& grid = game.CapturedPiles[side == HumanSide ? HumanSide : ComputerSide];
    for (int month = 1; month <= 12; ++month) {
        for (int rank = 1; rank <= 4; ++rank) {
            const CardName& card = grid[month][rank];
            if (!card.empty()) ShowCapturedCard(view, card, MonthRank(game.CardTable, card));
        }
    }
}

void ClearCapturedView(TableView& view) {
    for (auto& pile : view.MonthPiles) {
        for (CardPlace& place : pile) {
            place.Visible = false;
            place.Enabled = false;
        }
    }
}

void ClearCapturedPiles(Game& game) {
    for (CapturedGrid& grid : game.CapturedPiles) {
        for (auto& row : grid) row.Fill(CardName());
    }
}

void ShowScore(const Game& game, TableView& view, Side side) {
    if (side == HumanSide) {
        SetNumberText(view.lblPlayer, game.PlayerScore);
    } else if (side == ComputerSide) {
        SetNumberText(view.lblCPU, game.CPUScore);
    }
}

}  // namespace vm

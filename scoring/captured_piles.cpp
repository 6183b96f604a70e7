#include "scoring/captured_piles.h"

#include <array>

#include "game/number_text.h"
#include "game/session.h"

namespace vm {
namespace {

constexpr std::array<std::string_view, 12> MonthCaptions = {
    "January - Matsu (Pine)",
    "February - Ume (Plum)",
    "March - Sakura (Flowering Cherry)",
    "April -Fuji (Wisteria)",
    "May - Shoubu (Iris)",
    "June - Botan (Peony)",
    "July - Hagi (Bush Clover)",
    "August - Susuki (Pampass Grass)",
    "September - Kiku (Crysanthemum)",
    "October - Momiji (Maple)",
    "November - Yanagi (Willow)",
    "December - Paulownia (Kiri)",
};

bool IsCell(int month, int rank) { return month >= 1 && month <= 12 && rank >= 1 && rank <= 4; }

}  // namespace

std::string_view MonthCaption(int month) {
    if (month < 1 || month > 12) return {};
    return MonthCaptions[static_cast<std::size_t>(month - 1)];
}

void CaptureCard(Session& session, int side, const CardName& card, int rank) {
    const int month = Month(card);
    // A card that is not one of the deck's has no cell; storing it would corrupt the grid.
    if (!IsCell(month, rank) || (side != HumanSide && side != ComputerSide)) return;
    session.game.CapturedPiles[side][month][rank] = card;
    Score(session.game, side) = static_cast<std::int16_t>(Score(session.game, side) + CardValue(card));
    ShowScore(session, side);
}

void ShowCapturedCard(Session& session, int /*side*/, const CardName& card, int rank) {
    const int month = Month(card);
    if (!IsCell(month, rank)) return;
    CardPlace& place = session.view.MonthPiles[month][rank];
    place.Visible = true;
    place.Picture = card;
}

void ShowCapturedView(Session& session, int side) {
    ClearCapturedView(session);
    const CapturedGrid& grid = session.game.CapturedPiles[side == HumanSide ? HumanSide : ComputerSide];
    for (int month = 1; month <= 12; ++month) {
        for (int rank = 1; rank <= 4; ++rank) {
            const CardName& card = grid[month][rank];
            if (card.empty()) continue;
            ShowCapturedCard(session, side, card, MonthRank(session.game.CardTable, card));
        }
    }
}

void ClearCapturedView(Session& session) {
    for (auto& pile : session.view.MonthPiles) {
        for (CardPlace& place : pile) {
            place.Visible = false;
            place.Enabled = false;
        }
    }
}

void ClearCapturedPiles(Session& session) {
    for (CapturedGrid& grid : session.game.CapturedPiles) {
        for (auto& row : grid) row.Fill(CardName());
    }
}

void ShowScore(Session& session, int side) {
    if (side == HumanSide) {
        SetNumberText(session.view.lblPlayer, session.game.PlayerScore);
    } else if (side == ComputerSide) {
        SetNumberText(session.view.lblCPU, session.game.CPUScore);
    }
}

}  // namespace vm

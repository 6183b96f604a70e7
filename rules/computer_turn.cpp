#include "rules/computer_turn.h"

#include <array>

#include "model/number_text.h"
#include "rules/captured_piles.h"
#include "rules/evaluation.h"
#include "rules/matching.h"
#include "rules/melds.h"
#include "rules/pile_draw.h"
#include "view/debug_views.h"

namespace vm {
namespace {

// Which months lie on the desk.
using DeskMonths = std::array<bool, NoMonth + 1>;

DeskMonths MonthsOnDesk(const Game& game) {
    DeskMonths months{};
    for (const CardName& card : game.Desk) {
        if (!card.empty()) months[static_cast<std::size_t>(Month(card))] = true;
    }
    return months;
}

bool HasCapture(const Game& game, const DeskMonths& desk) {
    for (const CardName& card : game.CPUHand) {
        if (!card.empty() && desk[static_cast<std::size_t>(Month(card))]) return true;
    }
    return false;
}

void ShowDumpInDebugMode(Table& table) {
    if (table.options.DebugMode) table.host.ShowCandidateDump(CandidateDumpText(table.game));
}

void CaptureMove(Table& table, const DeskMonths& desk) {
    Game& game = table.game;
    ClearCandidates(game);
    int n = 0;
    for (int i = 1; i <= HandSlots::Size; ++i) {
        const CardName& handCard = game.CPUHand[i];
        if (handCard.empty() || !desk[static_cast<std::size_t>(Month(handCard))]) continue;
        for (int j = 1; j <= DeskSlots::Size; ++j) {
            const CardName& deskCard = game.Desk[j];
            if (!deskCard.empty() && Month(deskCard) == Month(handCard)) {
                SetCandidate(game, ++n, handCard, i, deskCard, j);
            }
        }
    }
    AddBonuses(game, n);
    ShowDumpInDebugMode(table);

    int best = -1;
    int chosen = 0;
    for (int k = 1; k <= n; ++k) {
        if (game.CandidateTable[k].Score > best) {
            best = game.CandidateTable[k].Score;
            chosen = k;
        }
    }
    const Candidate choice = game.CandidateTable[chosen];
    TableView& view = table.view;
    view.picCompShape[choice.HandSlot] = true;
    view.picShape[choice.DeskSlot] = true;
    view.picComp[choice.HandSlot].Picture = choice.HandCard;
    PauseForPlay(table);
    view.picComp[choice.HandSlot].Picture.clear();
    view.picComp[choice.HandSlot].Visible = false;
    view.picCompShape[choice.HandSlot] = false;
    view.picShape[choice.DeskSlot] = false;

    CaptureCard(game, view, ComputerSide, choice.HandCard,
                MonthRank(game.CardTable, choice.HandCard));
    RemoveHandCard(table, ComputerSide, choice.HandSlot);
    const CardName deskCard = game.Desk[choice.DeskSlot];
    CaptureCard(game, view, ComputerSide, deskCard, MonthRank(game.CardTable, deskCard));
    RemoveDeskCard(table, choice.DeskSlot);
    CheckMelds(table, ComputerSide);
    ShowScore(game, view, ComputerSide);
    table.host.PlayCompleted({ComputerSide, false, choice.HandCard, {deskCard}});
}

// How many cards of each month the computer holds, and the first slot holding one.
struct HandMonths {
    std::array<int, NoMonth + 1> Count{};
    std::array<int, NoMonth + 1> FirstSlot{};
};

HandMonths CountHandMonths(const Game& game) {
    HandMonths months;
    for (int slot = HandSlots::Size; slot >= 1; --slot) {
        const CardName& card = game.CPUHand[slot];
        if (card.empty()) continue;
        const auto month = static_cast<std::size_t>(Month(card));
        ++months.Count[month];
        months.FirstSlot[month] = slot;
    }
    return months;
}

// Rule 1: a whole month in hand can never be captured by the human.
int WholeMonthDiscard(const HandMonths& hand) {
    for (std::size_t month = 1; month <= 12; ++month) {
        if (hand.Count[month] == 4) return hand.FirstSlot[month];
    }
    return 0;
}

// Rule 2: a pair in hand whose other two cards one side has already captured is safe too;
// of several such months the last decides.
int ClosedPairDiscard(const Game& game, const HandMonths& hand) {
    int slot = 0;
    for (int month = 1; month <= 12; ++month) {
        const auto m = static_cast<std::size_t>(month);
        if (hand.Count[m] == 2 && (CountCapturedMonth(game, month, ComputerSide) == 2 ||
                                   CountCapturedMonth(game, month, HumanSide) == 2)) {
            slot = hand.FirstSlot[m];
        }
    }
    return slot;
}

// Rule 3: the card worth least, bonus included; the lowest slot among equals.
int LeastValuableDiscard(Table& table) {
    Game& game = table.game;
    ClearCandidates(game);
    int n = 0;
    for (int i = 1; i <= HandSlots::Size; ++i) {
        const CardName& handCard = game.CPUHand[i];
        if (!handCard.empty()) SetCandidate(game, ++n, handCard, i, CardName(), 0);
    }
    AddBonuses(game, n);
    ShowDumpInDebugMode(table);
    int best = 100;
    int slot = 0;
    for (int k = 1; k <= n; ++k) {
        if (game.CandidateTable[k].Score < best) {
            best = game.CandidateTable[k].Score;
            slot = game.CandidateTable[k].HandSlot;
        }
    }
    return slot;
}

void DiscardMove(Table& table) {
    Game& game = table.game;
    const HandMonths hand = CountHandMonths(game);
    int slot = WholeMonthDiscard(hand);
    if (slot == 0) slot = ClosedPairDiscard(game, hand);
    if (slot == 0) slot = LeastValuableDiscard(table);
    if (table.options.DebugMode) table.host.ShowMessage("nChosen=" + NumberText(slot));
    if (slot == 0) return;  // an empty hand has nothing to lay down

    CardPlace& place = table.view.picComp[slot];
    place.Picture = game.CPUHand[slot];
    PauseForPlay(table);
    place.Picture.clear();
    const CardName card = game.CPUHand[slot];
    LayCardOnDesk(table, card);
    RemoveHandCard(table, ComputerSide, slot);
    table.host.PlayCompleted({ComputerSide, false, card, {}});
}

}  // namespace

void ComputerTurn(Table& table) {
    Game& game = table.game;
    HideMarkers(table.view);
    DisablePlayerHand(table.view, 0);
    game.PlayerMayAct = false;
    if (const DeskMonths desk = MonthsOnDesk(game); HasCapture(game, desk)) {
        CaptureMove(table, desk);
    } else {
        DiscardMove(table);
    }
    if (game.PilePosition >= LastPilePosition) game.LastDrawDone = true;
    DrawFromPile(table);
    game.TurnSide = HumanSide;
}

}  // namespace vm

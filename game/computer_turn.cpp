#include "game/computer_turn.h"

#include <array>
#include <bit>

#include "game/debug_views.h"
#include "game/evaluation.h"
#include "game/flow.h"
#include "game/matching.h"
#include "game/number_text.h"
#include "game/pile_draw.h"
#include "game/player_input.h"
#include "game/session.h"
#include "scoring/captured_piles.h"
#include "scoring/melds.h"

namespace vm {
namespace {

// For each month, the desk slots holding a card of it: bit s for slot s. Entry 0 collects the
// empty slots, so that every slot is recorded without a branch.
using SlotsByMonth = std::array<unsigned, NoMonth + 1>;

SlotsByMonth DeskSlotsByMonth(const Game& game) {
    SlotsByMonth slots{};
    unsigned bit = 2;  // slot 1
    for (const CardName& card : game.Desk) {
        slots[card.empty() ? 0 : static_cast<std::size_t>(Month(card))] |= bit;
        bit <<= 1;
    }
    return slots;
}

bool HasCapture(const Game& game, const SlotsByMonth& desk) {
    for (const CardName& card : game.CPUHand) {
        if (!card.empty() && desk[static_cast<std::size_t>(Month(card))] != 0) return true;
    }
    return false;
}

void ShowDumpInDebugMode(Session& session) {
    if (session.options.DebugMode) session.host.ShowCandidateDump(CandidateDumpText(session.game));
}

void CaptureMove(Session& session, const SlotsByMonth& desk) {
    Game& game = session.game;
    ClearCandidates(game);
    int n = 0;
    for (int i = 1; i <= HandSlots::Size; ++i) {
        const CardName& handCard = game.CPUHand[i];
        if (handCard.empty()) continue;
        for (unsigned slots = desk[static_cast<std::size_t>(Month(handCard))]; slots != 0; slots &= slots - 1) {
            const int j = std::countr_zero(slots);
            SetCandidate(game, ++n, handCard, i, game.Desk[j], j);
        }
    }
    AddBonuses(game, n);
    ShowDumpInDebugMode(session);

    int best = -1;
    int chosen = 0;
    for (int k = 1; k <= n; ++k) {
        if (game.CandidateTable[k].Score > best) {
            best = game.CandidateTable[k].Score;
            chosen = k;
        }
    }
    const Candidate choice = game.CandidateTable[chosen];
    TableView& view = session.view;
    view.picCompShape[choice.HandSlot] = true;
    view.picShape[choice.DeskSlot] = true;
    view.picComp[choice.HandSlot].Picture = choice.HandCard;
    PauseForPlay(session);
    view.picComp[choice.HandSlot].Picture.clear();
    view.picComp[choice.HandSlot].Visible = false;
    view.picCompShape[choice.HandSlot] = false;
    view.picShape[choice.DeskSlot] = false;

    CaptureCard(session, ComputerSide, choice.HandCard, MonthRank(game.CardTable, choice.HandCard));
    RemoveHandCard(session, ComputerSide, choice.HandSlot);
    const CardName deskCard = game.Desk[choice.DeskSlot];
    CaptureCard(session, ComputerSide, deskCard, MonthRank(game.CardTable, deskCard));
    RemoveDeskCard(session, choice.DeskSlot);
    CheckMelds(session, ComputerSide);
    ShowScore(session, ComputerSide);
    session.host.PlayCompleted({ComputerSide, false, choice.HandCard, {deskCard}});
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
int LeastValuableDiscard(Session& session) {
    Game& game = session.game;
    ClearCandidates(game);
    int n = 0;
    for (int i = 1; i <= HandSlots::Size; ++i) {
        const CardName& handCard = game.CPUHand[i];
        if (!handCard.empty()) SetCandidate(game, ++n, handCard, i, CardName(), 0);
    }
    AddBonuses(game, n);
    ShowDumpInDebugMode(session);
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

void DiscardMove(Session& session) {
    Game& game = session.game;
    const HandMonths hand = CountHandMonths(game);
    int slot = WholeMonthDiscard(hand);
    if (slot == 0) slot = ClosedPairDiscard(game, hand);
    if (slot == 0) slot = LeastValuableDiscard(session);
    if (session.options.DebugMode) session.host.ShowMessage("nChosen=" + NumberText(slot));
    if (slot == 0) return;  // an empty hand has nothing to lay down

    CardPlace& place = session.view.picComp[slot];
    place.Picture = game.CPUHand[slot];
    PauseForPlay(session);
    place.Picture.clear();
    const CardName card = game.CPUHand[slot];
    LayCardOnDesk(session, card);
    RemoveHandCard(session, ComputerSide, slot);
    session.host.PlayCompleted({ComputerSide, false, card, {}});
}

}  // namespace

void ComputerTurn(Session& session) {
    Game& game = session.game;
    HideMarkers(session);
    DisablePlayerHand(session, 0);
    game.PlayerMayAct = false;
    if (const SlotsByMonth desk = DeskSlotsByMonth(game); HasCapture(game, desk)) {
        CaptureMove(session, desk);
    } else {
        DiscardMove(session);
    }
    if (game.PilePosition >= 48) game.LastDrawDone = true;
    DrawFromPile(session);
    game.TurnSide = HumanSide;
    NextTurn(session);
}

}  // namespace vm

#pragma once
// Lays out a game in the middle of play from lists of cards, so that a test can drive the
// handlers from a known table. Every one of the 48 cards ends up somewhere, so the result
// passes IsConsistent.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/flow.h"
#include "game/number_text.h"
#include "game/session.h"
#include "scoring/melds.h"
#include "tests/support/scripted_host.h"

namespace vm::test {

enum class Rest { Pile, HumanGrid, ComputerGrid };

struct Layout {
    std::vector<std::string> player;
    std::vector<std::string> cpu;
    std::vector<std::string> desk;       // given in sorted order; slots 1, 2, ...
    std::vector<std::string> pile;       // the next card to be drawn first
    std::vector<std::string> humanGrid;  // already captured by the human
    std::vector<std::string> cpuGrid;    // already captured by the computer
    Rest rest = Rest::Pile;              // where every card not named above goes
    int turnSide = HumanSide;
};

// A session as the tests use it: sounds on, no real waiting, no files written.
inline void PrepareSession(Session& s, ScriptedHost& host, int dealSpeed = 1) {
    host.Attach(s);
    s.ProgramFolder = "/prog/";
    s.PersistRecords = false;
    s.options.DealSpeed = static_cast<std::int16_t>(dealSpeed);
    s.options.SoundEffectsOn = true;
    s.options.BackgroundMusicOn = false;
    s.options.DebugMode = false;
    s.options.ShowSuitsAndScores = true;
}

inline void PutInGrid(Game& g, int side, const std::string& card) {
    g.CapturedPiles[side][Month(card)][MonthRank(g.CardTable, card)] = card;
    Score(g, side) = static_cast<std::int16_t>(Score(g, side) + CardValue(card));
}

// Writes the layout into the session; the turn is not started (call NextTurn for that).
inline void SetUpTable(Session& s, const Layout& layout) {
    Game& g = s.game;
    ResetTable(s);
    BuildCardTable(g.CardTable, s.options.ShowSuitsAndScores);
    const CardTableType deck = g.CardTable;

    std::vector<std::string> named;
    for (const auto* list : {&layout.player, &layout.cpu, &layout.desk, &layout.pile,
                             &layout.humanGrid, &layout.cpuGrid}) {
        named.insert(named.end(), list->begin(), list->end());
    }
    for (const std::string& card : named) {
        bool known = false;
        for (const CardRecord& record : deck)
            known = known || record.CardName == card;
        if (!known)
            ADD_FAILURE() << "no such card in the deck: " << card;
    }
    std::vector<std::string> rest;
    for (const CardRecord& record : deck) {
        if (std::find(named.begin(), named.end(), record.CardName) == named.end()) {
            rest.push_back(record.CardName);
        }
    }
    std::vector<std::string> humanGrid = layout.humanGrid;
    std::vector<std::string> cpuGrid = layout.cpuGrid;
    std::vector<std::string> pile = layout.pile;
    auto& restTarget = layout.rest == Rest::Pile        ? pile
                       : layout.rest == Rest::HumanGrid ? humanGrid
                                                        : cpuGrid;
    restTarget.insert(restTarget.end(), rest.begin(), rest.end());

    // The dealt order: cards out of the pile first, then the pile, next card first.
    std::vector<std::string> order;
    using List = const std::vector<std::string>*;
    for (List list : {List{&layout.player}, List{&layout.cpu}, List{&layout.desk}, List{&humanGrid},
                      List{&cpuGrid}}) {
        order.insert(order.end(), list->begin(), list->end());
    }
    order.insert(order.end(), pile.begin(), pile.end());
    for (int i = 1; i <= 48; ++i) {
        for (const CardRecord& record : deck) {
            if (record.CardName == order[static_cast<std::size_t>(i - 1)])
                g.CardTable[i] = record;
        }
    }
    g.PilePosition = static_cast<std::int16_t>(49 - pile.size());

    g.PlayerHand.Fill("");
    g.CPUHand.Fill("");
    g.Desk.Fill("");
    for (std::size_t i = 0; i < layout.player.size(); ++i)
        g.PlayerHand[static_cast<int>(i) + 1] = layout.player[i];
    for (std::size_t i = 0; i < layout.cpu.size(); ++i)
        g.CPUHand[static_cast<int>(i) + 1] = layout.cpu[i];
    for (std::size_t i = 0; i < layout.desk.size(); ++i)
        g.Desk[static_cast<int>(i) + 1] = layout.desk[i];
    SortHand(g, HumanSide);
    SortHand(g, ComputerSide);
    SortDesk(g);
    g.HandCount[HumanSide] = static_cast<std::int16_t>(layout.player.size());
    g.HandCount[ComputerSide] = static_cast<std::int16_t>(layout.cpu.size());
    g.DeskNextSlot = static_cast<std::int16_t>(layout.desk.size() + 1);

    for (const std::string& card : humanGrid)
        PutInGrid(g, HumanSide, card);
    for (const std::string& card : cpuGrid)
        PutInGrid(g, ComputerSide, card);
    // A meld already complete in a grid counts as announced and scored earlier in the game.
    for (int side = 1; side <= 2; ++side) {
        for (int meld = 1; meld <= MeldCount; ++meld) {
            if (MeldComplete(g.CapturedPiles[side], meld)) {
                g.MeldFlags[side][meld] = 1;
                Score(g, side) = static_cast<std::int16_t>(Score(g, side) + MeldPoints(meld));
            }
        }
    }

    g.TurnSide = static_cast<std::int16_t>(layout.turnSide);
    g.GameInProgress = true;
    g.LastDrawDone = false;
    g.PlayerMayAct = false;
    g.SelectedHandSlot = 0;
    g.MatchPending = false;
    s.view.Menu.mnuAbort.Enabled = true;
    RedrawZone(s, 1);
    RedrawZone(s, 2);
    RedrawZone(s, 3);
    s.view.lblPlayer = NumberText(g.PlayerScore);
    s.view.lblCPU = NumberText(g.CPUScore);
}

// The slot of a card in a row of slots, 0 when absent.
template <int N>
int SlotOf(const OneBased<CardName, N>& slots, const std::string& card) {
    for (int i = 1; i <= N; ++i) {
        if (slots[i] == card)
            return i;
    }
    return 0;
}

template <int N>
std::vector<std::string> Cards(const OneBased<CardName, N>& slots) {
    std::vector<std::string> cards;
    for (const CardName& card : slots) {
        if (!card.empty())
            cards.push_back(card);
    }
    return cards;
}

template <int N>
int CountTrue(const OneBased<bool, N>& flags) {
    int n = 0;
    for (bool flag : flags)
        n += flag ? 1 : 0;
    return n;
}

inline bool AnyMarker(const TableView& view) {
    return CountTrue(view.picShape) + CountTrue(view.picHandShape) + CountTrue(view.picCompShape) +
               CountTrue(view.picPileShape) >
           0;
}

inline int VisibleMonthPlaces(const TableView& view) {
    int n = 0;
    for (const auto& pile : view.MonthPiles) {
        for (const CardPlace& place : pile)
            n += place.Visible ? 1 : 0;
    }
    return n;
}

// The parts of a game that a player's input may change.
inline bool SamePlayState(const Game& a, const Game& b) {
    return a.PlayerHand == b.PlayerHand && a.CPUHand == b.CPUHand && a.Desk == b.Desk &&
           a.HandCount == b.HandCount && a.DeskNextSlot == b.DeskNextSlot &&
           a.PilePosition == b.PilePosition && a.TurnSide == b.TurnSide &&
           a.CapturedPiles == b.CapturedPiles && a.PlayerScore == b.PlayerScore &&
           a.CPUScore == b.CPUScore && a.MeldFlags == b.MeldFlags &&
           a.SelectedHandSlot == b.SelectedHandSlot && a.MatchPending == b.MatchPending &&
           a.DeskMatchSlots == b.DeskMatchSlots && a.PlayerMayAct == b.PlayerMayAct;
}

}  // namespace vm::test

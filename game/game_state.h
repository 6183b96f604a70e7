#pragma once
// Everything one game of twenty turns consists of. The application owns one Game; tests and
// the simulator build as many as they like.

#include <cstdint>

#include "game/candidate.h"
#include "game/cards.h"
#include "game/one_based.h"
#include "game/random.h"

namespace vm {

inline constexpr int HumanSide = 1;
inline constexpr int ComputerSide = 2;
inline constexpr int MeldCount = 6;

// A side's captured cards, each in the cell (Month, MonthRank) of its own.
using CapturedGrid = OneBased<OneBased<CardName, 4>, 12>;

struct Game {
    CardTableType CardTable;
    HandSlots PlayerHand;
    HandSlots CPUHand;
    DeskSlots Desk;
    OneBased<std::int16_t, 2> HandCount;
    std::int16_t DeskNextSlot = 0;
    std::int16_t PilePosition = 0;
    std::int16_t TurnSide = 0;
    bool PlayerMayAct = false;
    bool LastDrawDone = false;
    bool GameInProgress = false;

    OneBased<CapturedGrid, 2> CapturedPiles;
    std::int16_t PlayerScore = 0;
    std::int16_t CPUScore = 0;
    OneBased<OneBased<std::int16_t, MeldCount>, 2> MeldFlags;
    std::int16_t GameResult = 0;

    OneBased<std::int16_t, 3> DeskMatchSlots;
    CandidateTableType CandidateTable;
    std::int16_t SelectedHandSlot = 0;
    bool MatchPending = false;

    Random Rng;
};

HandSlots& Hand(Game& game, int side);
const HandSlots& Hand(const Game& game, int side);
std::int16_t& Score(Game& game, int side);

void SortHand(Game& game, int side);
void SortDesk(Game& game);

int CountCapturedMonth(const Game& game, int month, int side);
bool DeskMonthAtLeast(const Game& game, int n);

// Every card in exactly one place, counts agreeing with slots, rows sorted and compact.
bool IsConsistent(const Game& game);

}  // namespace vm

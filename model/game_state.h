#pragma once
// Everything one game of twenty turns consists of. The application owns one Game; tests and
// the simulator build as many as they like.

#include <cstdint>

#include "model/candidate.h"
#include "model/cards.h"
#include "model/one_based.h"
#include "model/random.h"

namespace vm {

// The two players; every per-side table is indexed by it. NoSide only before the first deal.
enum Side : std::int16_t { NoSide = 0, HumanSide = 1, ComputerSide = 2 };
constexpr Side OtherSide(Side side) { return side == HumanSide ? ComputerSide : HumanSide; }

// Set by the scoreboard at the end of a game.
enum class GameResult : std::int16_t { None = 0, HumanWins = 1, ComputerWins = 2, Draw = 3 };

// The pile is the tail of the dealt CardTable: positions 29 to 48.
inline constexpr int FirstPilePosition = 29;
inline constexpr int LastPilePosition = 48;
// PilePosition once the last card has been drawn.
inline constexpr int PileExhausted = LastPilePosition + 1;

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
    Side TurnSide = NoSide;
    bool PlayerMayAct = false;
    bool LastDrawDone = false;
    bool GameInProgress = false;

    OneBased<CapturedGrid, 2> CapturedPiles;
    std::int16_t PlayerScore = 0;
    std::int16_t CPUScore = 0;
    OneBased<OneBased<std::int16_t, MeldCount>, 2> MeldFlags;
    vm::GameResult GameResult = vm::GameResult::None;

    OneBased<std::int16_t, 3> DeskMatchSlots;
    CandidateTableType CandidateTable;
    std::int16_t SelectedHandSlot = 0;
    bool MatchPending = false;

    Random Rng;
};

HandSlots& Hand(Game& game, Side side);
const HandSlots& Hand(const Game& game, Side side);
std::int16_t& Score(Game& game, Side side);

void SortHand(Game& game, Side side);
void SortDesk(Game& game);

int CountCapturedMonth(const Game& game, int month, Side side);
bool DeskMonthAtLeast(const Game& game, int n);

// Every card in exactly one place, counts agreeing with slots, rows sorted and compact.
bool IsConsistent(const Game& game);

}  // namespace vm

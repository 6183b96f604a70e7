#include "game/deal.h"

#include <array>
#include <cstdint>
#include <utility>

#include "game/flow.h"
#include "game/number_text.h"
#include "game/session.h"

namespace vm {
namespace {

int DrawIndex(Random& rng, int count) { return static_cast<int>(count * rng.Next()) + 1; }

void BuildShuffleAndDeal(Session& session) {
    BuildCardTable(session.game.CardTable, session.options.ShowSuitsAndScores);
    ShuffleCards(session.game);
    DealCards(session.game);
}

}  // namespace

void ShuffleCards(Game& game) {
    game.Rng.SeedFromTimeOfDay();
    // The swaps are made on entry numbers and the records moved once at the end: the same
    // permutation as swapping whole records, at a fraction of the cost.
    std::array<std::uint8_t, 49> order{};  // entry 0 unused, so entries are numbered as the table's
    for (std::size_t i = 1; i <= 48; ++i) order[i] = static_cast<std::uint8_t>(i);
    for (int pass = 1; pass <= 10; ++pass) {
        for (std::size_t i = 1; i <= 48; ++i) {
            std::swap(order[i], order[static_cast<std::size_t>(DrawIndex(game.Rng, 48))]);
        }
    }
    const CardTableType before = game.CardTable;
    for (std::size_t i = 1; i <= 48; ++i) {
        game.CardTable[static_cast<int>(i)] = before[order[i]];
    }
}

void DealCards(Game& game) {
    game.Desk.Fill(CardName());
    game.PlayerHand.Fill(CardName());
    game.CPUHand.Fill(CardName());
    int playerSlot = 0;
    int cpuSlot = 0;
    for (int k = 1; k <= 20; ++k) {
        if (game.TurnSide == HumanSide) {
            game.PlayerHand[++playerSlot] = game.CardTable[k].CardName;
        } else {
            game.CPUHand[++cpuSlot] = game.CardTable[k].CardName;
        }
        game.TurnSide = game.TurnSide == HumanSide ? ComputerSide : HumanSide;
    }
    for (int slot = 1; slot <= 8; ++slot) game.Desk[slot] = game.CardTable[20 + slot].CardName;
    game.DeskNextSlot = 9;
    game.PilePosition = 29;
    game.HandCount[HumanSide] = 10;
    game.HandCount[ComputerSide] = 10;
}

void DealNewGame(Session& session) {
    Game& game = session.game;
    game.Rng.SeedFromTimeOfDay();
    game.TurnSide = static_cast<std::int16_t>(DrawIndex(game.Rng, 2));

    BuildShuffleAndDeal(session);
    while (DeskMonthAtLeast(game, 4)) {
        session.host.ShowMessage("4 Cards from same suit dealt, re-deal");
        BuildShuffleAndDeal(session);
    }
    // A re-deal made here is not tested for four cards apart, so it is announced as three.
    while (DeskMonthAtLeast(game, 3)) {
        session.host.ShowMessage("3 Cards from same suit dealt, re-deal");
        BuildShuffleAndDeal(session);
    }

    SortHand(game, HumanSide);
    SortHand(game, ComputerSide);
    SortDesk(game);
    RedrawZone(session, 1);
    RedrawZone(session, 2);
    RedrawZone(session, 3);

    const std::string turnsLeft = NumberText((48 - game.PilePosition + 1) / 2);
    session.view.lblCards[HumanSide] = turnsLeft;
    session.view.lblCards[ComputerSide] = turnsLeft;
    NextTurn(session);
}

}  // namespace vm

#include "rules/deal.h"

#include <array>
#include <cstdint>
#include <utility>

#include "model/number_text.h"

namespace vm {
namespace {

int DrawIndex(Random& rng, int count) { return static_cast<int>(count * rng.Next()) + 1; }

void BuildShuffleAndDeal(Table& table) {
    BuildCardTable(table.game.CardTable, table.options.ShowSuitsAndScores);
    ShuffleCards(table.game);
    DealCards(table.game);
}

}  // namespace

void ShuffleCards(Game& game) {
    game.Rng.SeedFromTimeOfDay();
    for (int pass = 1; pass <= 10; ++pass) {
        for (int i = 1; i <= CardTableType::Size; ++i) {
            std::swap(game.CardTable[i], game.CardTable[DrawIndex(game.Rng, CardTableType::Size)]);
        }
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
        game.TurnSide = OtherSide(game.TurnSide);
    }
    for (int slot = 1; slot <= 8; ++slot) game.Desk[slot] = game.CardTable[20 + slot].CardName;
    game.DeskNextSlot = 9;
    game.PilePosition = FirstPilePosition;
    game.HandCount[HumanSide] = 10;
    game.HandCount[ComputerSide] = 10;
}

void DealNewGame(Table& table) {
    Game& game = table.game;
    game.Rng.SeedFromTimeOfDay();
    game.TurnSide = static_cast<Side>(DrawIndex(game.Rng, 2));

    BuildShuffleAndDeal(table);
    while (DeskMonthAtLeast(game, 4)) {
        table.host.ShowMessage("4 Cards from same suit dealt, re-deal");
        BuildShuffleAndDeal(table);
    }
    // A re-deal made here is not tested for four cards apart, so it is announced as three.
    while (DeskMonthAtLeast(game, 3)) {
        table.host.ShowMessage("3 Cards from same suit dealt, re-deal");
        BuildShuffleAndDeal(table);
    }

    SortHand(game, HumanSide);
    SortHand(game, ComputerSide);
    SortDesk(game);
    RedrawZone(table, Zone::HumanHand);
    RedrawZone(table, Zone::ComputerHand);
    RedrawZone(table, Zone::Desk);

    const std::string turnsLeft = NumberText((PileExhausted - game.PilePosition) / 2);
    table.view.lblCards[HumanSide] = turnsLeft;
    table.view.lblCards[ComputerSide] = turnsLeft;
}

}  // namespace vm

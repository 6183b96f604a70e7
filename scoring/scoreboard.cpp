#include "scoring/scoreboard.h"

#include <algorithm>
#include <array>

#include "game/number_text.h"
#include "scoring/meld_table.h"
#include "scoring/melds.h"

namespace vm {
namespace {

// The meld's name as its announcement "<side> has <message>" begins: the text after "has"
// and before "(".
std::string MeldTitle(std::string_view message) { return " " + std::string(message.substr(0, message.find('('))); }

ScoreboardSide ScoreSide(const Game& game, int side) {
    ScoreboardSide result;
    const CapturedGrid& grid = game.CapturedPiles[side];
    // The deck has 25 scoring cards but the board 24 places: the last one is counted but not
    // pictured. Every cell is written somewhere, without branching on the cards: a card worth
    // nothing is overwritten by the next, and places past the 24th are dropped.
    std::array<CardName, 26> pictured{};
    std::size_t count = 0;
    int total = 0;
    for (const auto& month : grid) {
        for (const CardName& card : month) {
            const int value = CardValue(card);
            const bool scores = value > 0;
            pictured[std::min<std::size_t>(count, 25)] = card;
            count += scores;
            total += scores ? value : 0;
        }
    }
    pictured[std::min<std::size_t>(count, 25)] = CardName();
    std::copy(pictured.begin(), pictured.begin() + 24, result.ScoringCards.begin());
    result.CardTotal = static_cast<std::int16_t>(total);
    result.ScoreLabel = "Score Cards total = " + NumberText(result.CardTotal);

    int row = 0;
    for (int meld = 1; meld <= MeldCount; ++meld) {
        if (game.MeldFlags[side][meld] <= 0) continue;
        ++row;
        // The row shows the meld's cards from the grid in the announcement's order.
        const MeldDefinition& definition = MeldTable[static_cast<std::size_t>(meld - 1)];
        for (int i = 0; i < definition.CellCount; ++i) {
            const GridCell cell = definition.Cells[static_cast<std::size_t>(i)];
            result.MeldPictures[(row - 1) * 5 + i + 1] = grid[cell.Month][cell.Rank];
        }
        result.MeldTitles[row] = MeldTitle(definition.Message);
        result.MeldTotal = static_cast<std::int16_t>(result.MeldTotal + definition.Points);
    }
    result.MeldScoreLabel = "Meld Score total = " + NumberText(result.MeldTotal);
    result.GrandTotal = static_cast<std::int16_t>(result.MeldTotal + result.CardTotal);
    return result;
}

}  // namespace

ScoreboardView BuildScoreboard(const Game& game) {
    ScoreboardView view;
    view.Player = ScoreSide(game, HumanSide);
    view.CPU = ScoreSide(game, ComputerSide);
    const char* playerWord = "Draw";
    const char* cpuWord = "Draw";
    view.GameResult = 3;
    if (view.Player.GrandTotal > view.CPU.GrandTotal) {
        playerWord = "Winner";
        cpuWord = "Loser";
        view.GameResult = 1;
    } else if (view.CPU.GrandTotal > view.Player.GrandTotal) {
        playerWord = "Loser";
        cpuWord = "Winner";
        view.GameResult = 2;
    }
    view.Player.TotalLabel = std::string(playerWord) + " " + NumberText(view.Player.GrandTotal);
    view.CPU.TotalLabel = NumberText(view.CPU.GrandTotal) + " " + cpuWord;
    return view;
}

}  // namespace vm

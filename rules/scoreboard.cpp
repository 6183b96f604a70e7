#include "rules/scoreboard.h"

#include "model/meld_table.h"
#include "model/number_text.h"

namespace vm {
namespace {

// The meld's name as its announcement "<side> has <message>" begins: the text after "has"
// and before "(".
std::string MeldTitle(std::string_view message) {
    return " " + std::string(message.substr(0, message.find('(')));
}

ScoreboardSide ScoreSide(const Game& game, Side side) {
    ScoreboardSide result;
    const CapturedGrid& grid = game.CapturedPiles[side];
    // The deck has 25 scoring cards but the board 24 places: the last one is counted but not
    // pictured.
    int pictured = 0;
    int total = 0;
    for (const auto& month : grid) {
        for (const CardName& card : month) {
            const int value = CardValue(card);
            if (value <= 0) continue;
            total += value;
            if (++pictured <= result.ScoringCards.Size) result.ScoringCards[pictured] = card;
        }
    }
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
    view.GameResult = GameResult::Draw;
    if (view.Player.GrandTotal > view.CPU.GrandTotal) {
        playerWord = "Winner";
        cpuWord = "Loser";
        view.GameResult = GameResult::HumanWins;
    } else if (view.CPU.GrandTotal > view.Player.GrandTotal) {
        playerWord = "Loser";
        cpuWord = "Winner";
        view.GameResult = GameResult::ComputerWins;
    }
    view.Player.TotalLabel = std::string(playerWord) + " " + NumberText(view.Player.GrandTotal);
    view.CPU.TotalLabel = NumberText(view.CPU.GrandTotal) + " " + cpuWord;
    return view;
}

}  // namespace vm

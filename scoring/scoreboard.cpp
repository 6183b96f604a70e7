#include "scoring/scoreboard.h"

#include "game/number_text.h"
#include "scoring/melds.h"

namespace vm {
namespace {

// The meld's name as its announcement begins: the text before "(", after the first "has".
std::string MeldTitle(const std::string& announcement) {
    std::string title = announcement.substr(0, announcement.find('('));
    const auto has = title.find("has");
    if (has != std::string::npos) title = title.substr(has + 3);
    return title;
}

ScoreboardSide ScoreSide(const Game& game, int side) {
    ScoreboardSide result;
    const CapturedGrid& grid = game.CapturedPiles[side];
    int count = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int rank = 1; rank <= 4; ++rank) {
            const CardName& card = grid[month][rank];
            const int value = card.empty() ? 0 : CardValue(card);
            if (value <= 0) continue;
            result.CardTotal = static_cast<std::int16_t>(result.CardTotal + value);
            // The deck has 25 scoring cards but the board 24 places: the last one is counted
            // but not pictured.
            if (++count <= 24) result.ScoringCards[count] = card;
        }
    }
    result.ScoreLabel = "Score Cards total = " + NumberText(result.CardTotal);

    int row = 0;
    int picture = 0;
    for (int meld = 1; meld <= MeldCount; ++meld) {
        if (game.MeldFlags[side][meld] <= 0) continue;
        ++row;
        const MeldInfo info = PrepareMeldInfo(game, side, meld);
        for (int entry = 1; entry <= 5; ++entry) {
            ++picture;
            if (!info[entry].empty()) result.MeldPictures[picture] = info[entry];
        }
        result.MeldTitles[row] = MeldTitle(info[6]);
        result.MeldTotal = static_cast<std::int16_t>(result.MeldTotal + std::stoi(info[7]));
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

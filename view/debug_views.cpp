#include "view/debug_views.h"

#include "model/number_text.h"

namespace vm {

std::string CandidateDumpText(const Game& game) {
    std::string text;
    for (int k = 1; k <= 10; ++k) {
        const Candidate& c = game.CandidateTable[k];
        text += "hand=";
        text += c.HandCard;
        text += " desk=";
        text += c.DeskCard;
        text += " score=" + NumberText(c.Score) + " (" + NumberText(c.OwnMeldBonus) + "," +
                NumberText(c.OpenSetBonus) + "," + NumberText(c.BlockBonus) + ")\r\n";
    }
    return text;
}

PileView BuildPileView(const Game& game) {
    PileView view;
    int n = 0;
    for (int position = game.PilePosition; position >= 1 && position <= LastPilePosition;
         ++position) {
        ++n;
        if (n <= 24) view.Pictures[n] = game.CardTable[position].CardName;
    }
    view.lblNumber = NumberText(n) + " cards left";
    return view;
}

}  // namespace vm

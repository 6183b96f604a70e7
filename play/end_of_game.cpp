#include "play/end_of_game.h"

#include "play/flow.h"
#include "play/saved_records.h"
#include "play/session.h"
#include "records/high_score_rules.h"
#include "rules/scoreboard.h"

namespace vm {
namespace {

// The name as typed is remembered for the next game; one that holds nothing to store becomes
// "Player".
void AskName(Session& session) {
    session.EnteredName = session.host.AskHighScoreName(session.EnteredName);
    if (TrimBlanks(StorableName(session.EnteredName)).empty()) session.EnteredName = "Player";
}

void OfferHighScore(Session& session) {
    Game& game = session.game;
    if (game.GameResult == GameResult::HumanWins || game.GameResult == GameResult::Draw) {
        if (!QualifiesForHighScore(session.highScores, game.PlayerScore)) return;
        AskName(session);
        InsertHighScore(session.highScores, game.PlayerScore, session.EnteredName, TodayText());
    } else if (game.GameResult == GameResult::ComputerWins) {
        if (!QualifiesForHighScore(session.highScores, game.CPUScore)) return;
        InsertHighScore(session.highScores, game.CPUScore, "CPU", TodayText());
    } else {
        return;
    }
    session.host.ShowHighScores(session.highScores);
}

}  // namespace

void EndOfGame(Session& session) {
    const ScoreboardView scoreboard = BuildScoreboard(session.game);
    session.host.ShowScoreboard(scoreboard);
    session.game.GameResult = scoreboard.GameResult;
    OfferHighScore(session);
    WriteHighScores(session);
    session.view.Menu.mnuAbort.Enabled = false;
    session.game.GameInProgress = false;
    ResetTable(session);
}

}  // namespace vm

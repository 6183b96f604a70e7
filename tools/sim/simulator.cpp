#include "tools/sim/simulator.h"

#include <iomanip>

#include "play/flow.h"
#include "play/player_input.h"
#include "play/session.h"
#include "tools/sim/silent_host.h"

namespace vm {
namespace {

// Picks 1..count with equal chance.
int Pick(Random& rng, int count) { return static_cast<int>(count * rng.Next()) + 1; }

// One turn of the random player: point at a hand card, then click as a person would.
void PlayHumanTurn(Session& session, Random& rng) {
    Game& game = session.game;
    const int slot = Pick(rng, game.HandCount[HumanSide]);
    picHand_MouseMove(session, slot);
    if (!game.MatchPending) {
        picHand_Click(session, slot);
        return;
    }
    int matches = 0;
    for (int entry = 1; entry <= 3; ++entry) matches += game.DeskMatchSlots[entry] > 0 ? 1 : 0;
    if (matches == 1) {
        if (Pick(rng, 2) == 1) {
            picHand_Click(session, slot);
        } else {
            picDesk_Click(session, game.DeskMatchSlots[1]);
        }
    } else if (matches == 2) {
        picDesk_Click(session, game.DeskMatchSlots[Pick(rng, 2)]);
    } else {
        picHand_Click(session, slot);
    }
}

void Tally(SimulationSummary& summary, const GameTally& tally) {
    ++summary.Games;
    (tally.FirstMover == HumanSide ? summary.HumanFirst : summary.CPUFirst) += 1;
    if (tally.GameResult == GameResult::HumanWins) ++summary.HumanWins;
    if (tally.GameResult == GameResult::ComputerWins) ++summary.CPUWins;
    if (tally.GameResult == GameResult::Draw) ++summary.Draws;
    summary.HumanPoints += tally.PlayerScore;
    summary.CPUPoints += tally.CPUScore;
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t meld = 0; meld < 6; ++meld)
            summary.MeldGames[side][meld] += tally.Melds[side][meld] ? 1 : 0;
    }
    summary.InvariantViolations += tally.Violations + (tally.Ended ? 0 : 1);
}

}  // namespace

SimulationSummary RunSimulation(long games, std::uint64_t seed, std::ostream* trace) {
    SilentHost host(trace);
    Session session(host);
    host.Attach(session);
    session.PersistRecords = false;
    session.options.DealSpeed = 0;
    session.options.SoundEffectsOn = false;
    session.options.BackgroundMusicOn = false;
    session.options.DebugMode = false;
    session.game.Rng = Random(seed);
    Random player(seed ^ 0x5DEECE66DULL);

    SimulationSummary summary;
    for (long number = 1; number <= games; ++number) {
        host.StartGame(static_cast<int>(number));
        NewGame(session);
        host.DealAccepted();
        // Each human turn takes one play; a game has at most ten, so more means a stuck game.
        for (int turns = 0; session.game.GameInProgress && turns < 11; ++turns) {
            if (!session.game.PlayerMayAct) break;
            PlayHumanTurn(session, player);
        }
        Tally(summary, host.Tally());
    }
    return summary;
}

void WriteSummary(std::ostream& out, const SimulationSummary& s) {
    const double games = s.Games > 0 ? static_cast<double>(s.Games) : 1.0;
    out << "games " << s.Games << '\n';
    out << "first human " << s.HumanFirst << " cpu " << s.CPUFirst << '\n';
    out << "wins human " << s.HumanWins << " cpu " << s.CPUWins << " draws " << s.Draws << '\n';
    out << std::fixed << std::setprecision(1) << "mean_score human " << s.HumanPoints / games
        << " cpu " << s.CPUPoints / games << '\n';
    out << "melds human";
    for (long count : s.MeldGames[0]) out << ' ' << count;
    out << " cpu";
    for (long count : s.MeldGames[1]) out << ' ' << count;
    out << '\n';
    out << "invariant_violations " << s.InvariantViolations << '\n';
}

}  // namespace vm

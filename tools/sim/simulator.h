#pragma once
// Plays whole games headless: the computer against a seeded random player who points and
// clicks through the window's own handlers.

#include <array>
#include <cstdint>
#include <ostream>

namespace vm {

struct SimulationSummary {
    long Games = 0;
    long HumanFirst = 0;
    long CPUFirst = 0;
    long HumanWins = 0;
    long CPUWins = 0;
    long Draws = 0;
    long HumanPoints = 0;
    long CPUPoints = 0;
    std::array<std::array<long, 6>, 2> MeldGames{};  // [side - 1][meld - 1]
    long InvariantViolations = 0;
};

// Plays `games` games from `seed`; trace lines go to `trace` when it is not null.
SimulationSummary RunSimulation(long games, std::uint64_t seed, std::ostream* trace);

// The closing lines: everything but the timing, which the caller adds.
void WriteSummary(std::ostream& out, const SimulationSummary& summary);

}  // namespace vm

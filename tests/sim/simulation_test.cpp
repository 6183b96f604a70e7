#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>

#include "tools/sim/simulator.h"

namespace vm {
namespace {

// The summary of one seed, pinned: a change to the deal, the rules or the computer's choices
// shows here. Every play and draw of every game was checked as well.
TEST(Simulation, TwentyThousandGamesOfOneSeedGiveExactlyThisSummary) {
    std::ostringstream summary;
    WriteSummary(summary, RunSimulation(20000, 7, nullptr));
    EXPECT_EQ(summary.str(),
              "games 20000\n"
              "first human 10053 cpu 9947\n"
              "wins human 2968 cpu 16231 draws 801\n"
              "mean_score human 117.0 cpu 181.5\n"
              "melds human 1431 1372 3481 3518 3404 113 cpu 3490 3587 6493 6520 6727 1319\n"
              "invariant_violations 0\n");
}

// The trace of a thousand games of another seed, pinned by its lines of each kind and a 64-bit
// FNV-1a hash of its text. Its lines are "game N first S", "redeal 3|4", "deck" and the 48 cards
// in deck order, "play|draw S card taken" (taken "-" or up to three cards joined by ","),
// "meld S M points" and "end human computer result": every deal, every card each side plays,
// draws and takes, every meld and every final score, byte for byte. A change to any choice of
// the computer or of the pile draws, to a meld or to a score shows here first.
TEST(Simulation, AThousandGamesOfAnotherSeedGiveExactlyThisTrace) {
    std::ostringstream trace;
    RunSimulation(1000, 99, &trace);
    const std::string text = trace.str();
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    std::map<std::string, int> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) ++lines[line.substr(0, line.find(' '))];
    std::string kinds;
    for (const auto& [word, count] : lines) kinds += word + " " + std::to_string(count) + " ";
    EXPECT_EQ(kinds, "deck 1000 draw 20000 end 1000 game 1000 meld 2027 play 20000 redeal 150 ");
    EXPECT_EQ(hash, 0x851c14179cc623e1ULL);
}

}  // namespace
}  // namespace vm

#include <gtest/gtest.h>

#include <map>
#include <regex>
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

// One line per event of each game, in the grammar below, and the seed alone decides them. How
// the games go is pinned above.
TEST(Simulation, TheTraceIsOneLinePerEventAndTheSeedDecidesIt) {
    std::ostringstream trace, again, other;
    RunSimulation(200, 99, &trace);
    RunSimulation(200, 99, &again);
    RunSimulation(200, 100, &other);
    EXPECT_EQ(trace.str(), again.str());
    EXPECT_NE(trace.str(), other.str());
    const std::string card = "[a-z]{3}_(?:0|1|5|10|20)\\.bmp";
    const std::regex grammar("game [0-9]+ first [12]|redeal [34]|deck(?: " + card + "){48}|" +
                             "(?:play|draw) [12] " + card + " (?:-|" + card + "(?:," + card +
                             "){0,2})|meld [12] [1-6] [235]0|end [0-9]+ [0-9]+ [123]");
    std::map<std::string, int> lines;
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line); ++lines[line.substr(0, line.find(' '))])
        EXPECT_TRUE(std::regex_match(line, grammar)) << line;
    const std::pair<const char*, int> perGames[] = {
        {"game", 200}, {"deck", 200}, {"play", 4000}, {"draw", 4000}, {"end", 200}};
    for (const auto& [word, n] : perGames) EXPECT_EQ(lines[word], n) << word;
    EXPECT_GT(lines["meld"], 0);
    EXPECT_GT(lines["redeal"], 0);
}

}  // namespace
}  // namespace vm

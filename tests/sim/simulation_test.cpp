#include <gtest/gtest.h>

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

// Per game: its number and first mover, its re-deals, the deck, twenty turns of a play and a
// draw by alternating sides, each followed by the melds it completed, and the end.
TEST(Simulation, TheTraceFollowsItsGrammarAndTheSeedDecidesIt) {
    std::ostringstream trace, again, other;
    RunSimulation(200, 99, &trace);
    RunSimulation(200, 99, &again);
    RunSimulation(200, 100, &other);
    EXPECT_EQ(trace.str(), again.str());
    EXPECT_NE(trace.str(), other.str());
    const std::string card = "[a-z]{3}_(?:0|1|5|10|20)\\.bmp";
    const std::regex gameLine("game ([0-9]+) first ([12])"), redealLine("redeal [34]"),
        deckLine("deck(?: " + card + "){48}"), meldLine("meld ([12]) [1-6] [235]0"),
        moveLine("(play|draw) ([12]) " + card + " (?:-|" + card + "(?:," + card + "){0,2})"),
        endLine("end [0-9]+ [0-9]+ [123]");
    std::istringstream in(trace.str());
    std::string line;
    std::smatch m;
    long redeals = 0, humanFirst = 0;
    for (long number = 1; number <= 200 && std::getline(in, line); ++number) {
        SCOPED_TRACE(line);
        ASSERT_TRUE(std::regex_match(line, m, gameLine));
        EXPECT_EQ(std::stol(m[1]), number);
        const std::string first = m[2], second = first == "1" ? "2" : "1";
        humanFirst += first == "1" ? 1 : 0;
        for (std::getline(in, line); std::regex_match(line, redealLine); std::getline(in, line))
            ++redeals;
        ASSERT_TRUE(std::regex_match(line, deckLine)) << line;
        for (int move = 0; move < 40; ++move) {
            std::getline(in, line);
            ASSERT_TRUE(std::regex_match(line, m, moveLine)) << line;
            EXPECT_EQ(m[1], move % 2 == 0 ? "play" : "draw") << line;
            const std::string side = m[2];
            EXPECT_EQ(side, move / 2 % 2 == 0 ? first : second) << line;
            for (; in.peek() == 'm' && std::getline(in, line);) {
                EXPECT_TRUE(std::regex_match(line, m, meldLine) && m[1] == side) << line;
            }
        }
        std::getline(in, line);
        EXPECT_TRUE(std::regex_match(line, endLine)) << line;
    }
    EXPECT_FALSE(std::getline(in, line));  // nothing after the last game
    EXPECT_TRUE(humanFirst > 0 && humanFirst < 200);
    EXPECT_GT(redeals, 0);
}

}  // namespace
}  // namespace vm

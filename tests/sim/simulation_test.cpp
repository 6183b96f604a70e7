#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/cards.h"
#include "tools/sim/simulator.h"

namespace vm {
namespace {

const int MeldPoints[] = {30, 30, 20, 20, 20, 50};

// The sanitizers look for memory faults, which a tenth of the games exercise as well; the
// full soak runs in the release build.
#if defined(__SANITIZE_ADDRESS__)
constexpr long SoakGames = 2000;
#else
constexpr long SoakGames = 20000;
#endif

TEST(Simulation, TwentyThousandGamesKeepEveryInvariant) {
    const SimulationSummary summary = RunSimulation(SoakGames, 7, nullptr);
    EXPECT_EQ(summary.InvariantViolations, 0);
    EXPECT_EQ(summary.HumanFirst + summary.CPUFirst, SoakGames);
    EXPECT_EQ(summary.HumanWins + summary.CPUWins + summary.Draws, SoakGames);
}

bool IsCard(const std::string& name) {
    return CardIndex(name) >= 0 && !IsPlainName(name);
}

TEST(Simulation, TheTraceFollowsItsGrammarAndTheSeedDecidesIt) {
    std::ostringstream trace, again, other;
    const long games = 200;
    const SimulationSummary summary = RunSimulation(games, 99, &trace);
    RunSimulation(games, 99, &again);
    RunSimulation(games, 100, &other);
    EXPECT_EQ(trace.str(), again.str());
    EXPECT_NE(trace.str(), other.str());
    const std::regex gameLine(R"(game (\d+) first ([12]))"), redealLine(R"(redeal [34])"),
        deckLine(R"(deck((?: \S+){48}))"), moveLine(R"((play|draw) ([12]) (\S+) (\S+))"),
        meldLine(R"(meld ([12]) ([1-6]) (\d+))"), endLine(R"(end (\d+) (\d+) ([123]))");
    std::vector<std::string> lines;
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    lines.push_back("");  // a sentinel that matches nothing

    std::size_t i = 0;
    std::smatch m;
    long redeals = 0, humanFirst = 0;
    for (long number = 1; number <= games; ++number) {
        SCOPED_TRACE("game " + std::to_string(number));
        ASSERT_TRUE(std::regex_match(lines[i++], m, gameLine)) << lines[i - 1];
        EXPECT_EQ(std::stol(m[1]), number);
        const int first = std::stoi(m[2]);
        humanFirst += first == 1 ? 1 : 0;
        for (; std::regex_match(lines[i], redealLine); ++i)
            ++redeals;
        ASSERT_TRUE(std::regex_match(lines[i++], m, deckLine)) << lines[i - 1];
        std::istringstream names(m[1].str());
        std::set<std::string> deck;
        for (std::string name; names >> name; deck.insert(name))
            EXPECT_TRUE(IsCard(name)) << name;
        EXPECT_EQ(deck.size(), 48u);

        // Twenty turns of a play then a draw by alternating sides, each followed by the melds
        // it completed; a pile card takes at most one desk card.
        int gameMeldPoints = 0;
        for (int move = 0; move < 40; ++move) {
            ASSERT_TRUE(std::regex_match(lines[i++], m, moveLine)) << lines[i - 1];
            EXPECT_EQ(m[1].str(), move % 2 == 0 ? "play" : "draw") << lines[i - 1];
            EXPECT_EQ(std::stoi(m[2]), move / 2 % 2 == 0 ? first : 3 - first) << lines[i - 1];
            EXPECT_TRUE(IsCard(m[3])) << lines[i - 1];
            if (move % 2 == 1) {
                EXPECT_TRUE(m[4] == "-" || IsCard(m[4])) << lines[i - 1];
            }
            for (std::smatch meld; std::regex_match(lines[i], meld, meldLine); ++i) {
                EXPECT_EQ(std::stoi(meld[3]), MeldPoints[std::stoi(meld[2]) - 1]) << lines[i];
                gameMeldPoints += std::stoi(meld[3]);
            }
        }
        ASSERT_TRUE(std::regex_match(lines[i++], m, endLine)) << lines[i - 1];
        const int player = std::stoi(m[1]);
        const int cpu = std::stoi(m[2]);
        EXPECT_EQ(player + cpu, 250 + gameMeldPoints);
        EXPECT_EQ(std::stoi(m[3]), player > cpu ? 1 : player < cpu ? 2 : 3);
    }
    // The summary follows the games and nothing else is written.
    EXPECT_EQ(i, lines.size() - 1);
    EXPECT_EQ(summary.HumanFirst, humanFirst);
    EXPECT_TRUE(humanFirst > 0 && humanFirst < games);  // both sides began games
    EXPECT_GT(redeals, 0);
}

}  // namespace
}  // namespace vm

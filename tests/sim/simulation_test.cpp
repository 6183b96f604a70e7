#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/cards.h"
#include "tools/sim/simulator.h"

namespace vm {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool IsCard(const std::string& name) {
    return CardIndex(name) >= 0 && !IsPlainName(name);
}

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
    EXPECT_EQ(summary.Games, SoakGames);
    EXPECT_EQ(summary.HumanFirst + summary.CPUFirst, SoakGames);
    EXPECT_EQ(summary.HumanWins + summary.CPUWins + summary.Draws, SoakGames);
    // Every game hands out 250 card points, plus the melds.
    long meldPoints = 0;
    const int points[] = {30, 30, 20, 20, 20, 50};
    for (int side = 0; side < 2; ++side) {
        for (int meld = 0; meld < 6; ++meld)
            meldPoints +=
                summary.MeldGames[static_cast<std::size_t>(side)][static_cast<std::size_t>(meld)] *
                points[meld];
    }
    EXPECT_EQ(summary.HumanPoints + summary.CPUPoints, 250L * SoakGames + meldPoints);
}

TEST(Simulation, TheSameSeedGivesTheSameTrace) {
    std::ostringstream first;
    std::ostringstream second;
    std::ostringstream other;
    RunSimulation(30, 12345, &first);
    RunSimulation(30, 12345, &second);
    RunSimulation(30, 12346, &other);
    EXPECT_FALSE(first.str().empty());
    EXPECT_EQ(first.str(), second.str());
    EXPECT_NE(first.str(), other.str());
}

TEST(Simulation, TheTraceFollowsItsGrammar) {
    std::ostringstream trace;
    const long games = 200;
    const SimulationSummary summary = RunSimulation(games, 99, &trace);
    const std::regex gameLine(R"(game (\d+) first ([12]))");
    const std::regex redealLine(R"(redeal ([34]))");
    const std::regex deckLine(R"(deck((?: \S+){48}))");
    const std::regex moveLine(R"((play|draw) ([12]) (\S+) (-|\S+))");
    const std::regex meldLine(R"(meld ([12]) ([1-6]) (\d+))");
    const std::regex endLine(R"(end (\d+) (\d+) ([123]))");
    const int meldPoints[] = {0, 30, 30, 20, 20, 20, 50};

    const std::vector<std::string> lines = Lines(trace.str());
    std::size_t i = 0;
    long redeals = 0;
    long humanFirst = 0;
    for (long number = 1; number <= games; ++number) {
        SCOPED_TRACE("game " + std::to_string(number));
        std::smatch m;
        ASSERT_LT(i, lines.size());
        ASSERT_TRUE(std::regex_match(lines[i], m, gameLine)) << lines[i];
        EXPECT_EQ(std::stol(m[1]), number);
        const int first = std::stoi(m[2]);
        humanFirst += first == 1 ? 1 : 0;
        ++i;
        while (i < lines.size() && std::regex_match(lines[i], m, redealLine)) {
            ++redeals;
            ++i;
        }
        ASSERT_TRUE(std::regex_match(lines[i], m, deckLine)) << lines[i];
        std::istringstream names(m[1].str());
        std::set<std::string> deck;
        for (std::string name; names >> name;) {
            EXPECT_TRUE(IsCard(name)) << name;
            deck.insert(name);
        }
        EXPECT_EQ(deck.size(), 48u);
        ++i;

        int turns = 0;
        int gameMeldPoints = 0;
        std::set<std::string> moved;
        while (i < lines.size() && std::regex_match(lines[i], m, moveLine)) {
            const int side = turns % 2 == 0 ? first : 3 - first;
            EXPECT_EQ(m[1].str(), "play") << lines[i];
            EXPECT_EQ(std::stoi(m[2]), side) << lines[i];
            EXPECT_TRUE(IsCard(m[3])) << lines[i];
            ++i;
            const auto meldsAfter = [&] {
                std::smatch meld;
                while (i < lines.size() && std::regex_match(lines[i], meld, meldLine)) {
                    EXPECT_EQ(std::stoi(meld[3]), meldPoints[std::stoi(meld[2])]) << lines[i];
                    gameMeldPoints += std::stoi(meld[3]);
                    ++i;
                }
            };
            meldsAfter();
            ASSERT_LT(i, lines.size());
            ASSERT_TRUE(std::regex_match(lines[i], m, moveLine)) << lines[i];
            EXPECT_EQ(m[1].str(), "draw") << lines[i];
            EXPECT_EQ(std::stoi(m[2]), side) << lines[i];
            // A pile card takes at most one desk card.
            EXPECT_TRUE(m[4] == "-" || IsCard(m[4])) << lines[i];
            EXPECT_TRUE(moved.insert(m[3]).second) << lines[i];
            ++i;
            meldsAfter();
            ++turns;
        }
        EXPECT_EQ(turns, 20);
        ASSERT_LT(i, lines.size());
        ASSERT_TRUE(std::regex_match(lines[i], m, endLine)) << lines[i];
        const int player = std::stoi(m[1]);
        const int cpu = std::stoi(m[2]);
        const int result = std::stoi(m[3]);
        EXPECT_EQ(player + cpu, 250 + gameMeldPoints);
        EXPECT_EQ(result, player > cpu ? 1 : player < cpu ? 2 : 3);
        ++i;
    }
    // The summary follows the games and nothing else is written.
    EXPECT_EQ(i, lines.size());
    EXPECT_EQ(summary.HumanFirst, humanFirst);
    EXPECT_EQ(summary.InvariantViolations, 0);
    EXPECT_GT(redeals, 0);
}

}  // namespace
}  // namespace vm

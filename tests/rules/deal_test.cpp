#include "rules/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "play/flow.h"
#include "model/random.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

const std::string Four = "4 Cards from same suit dealt, re-deal";
const std::string Three = "3 Cards from same suit dealt, re-deal";

int MostOfOneMonthOnDesk(const CardTableType& table) {
    std::array<int, 14> count{};
    for (int k = 21; k <= 28; ++k)
        ++count[static_cast<std::size_t>(table[k].Month)];
    return *std::max_element(count.begin(), count.end());
}

// The set-up as the rules describe it, on a generator with the same seed: the first mover,
// then ten passes of swaps per shuffle, re-dealt while the desk shows four, then three.
struct ReferenceDeal {
    int firstMover = 0;
    std::vector<int> mostPerDeal;  // the largest month count on the desk of each deal made
    std::vector<std::string> messages;
    CardTableType accepted;
};

ReferenceDeal Reference(std::uint64_t seed) {
    Random rng(seed);
    ReferenceDeal r;
    r.firstMover = static_cast<int>(2 * rng.Next()) + 1;
    auto deal = [&] {
        BuildCardTable(r.accepted, true);
        for (int pass = 1; pass <= 10; ++pass) {
            for (int i = 1; i <= 48; ++i)
                std::swap(r.accepted[i], r.accepted[static_cast<int>(48 * rng.Next()) + 1]);
        }
        r.mostPerDeal.push_back(MostOfOneMonthOnDesk(r.accepted));
        return r.mostPerDeal.back();
    };
    int most = deal();
    for (; most >= 4; most = deal())
        r.messages.push_back(Four);
    for (; most >= 3; most = deal())
        r.messages.push_back(Three);
    return r;
}

struct DealtGame {
    Game game;  // as dealt, before anyone has played
    TableView view;
    std::vector<std::string> messages;
};

// Runs New with a fixed seed and keeps the table as it stood right after the deal: when the
// computer moves first, that is the moment of its first pause.
DealtGame DealWithSeed(std::uint64_t seed, bool debug = false) {
    test::ScriptedHost host;
    Session s(host);
    test::PrepareSession(s, host, 1);
    s.options.DebugMode = debug;
    s.options.CardBackFile = "red_back.bmp";
    host.Detach();  // no snapshots needed
    s.game.Rng = Random(seed);
    std::optional<DealtGame> dealt;
    host.OnPause = [&] {
        if (!dealt)
            dealt = DealtGame{s.game, s.view, host.Messages};
    };
    NewGame(s);
    return dealt ? *dealt : DealtGame{s.game, s.view, host.Messages};
}

TEST(DealNewGame, TenThousandDealsFollowTheRulesAreSoundAndFairAndAreShown) {
    int humanFirst = 0;
    for (std::uint64_t seed = 1; seed <= 10000; ++seed) {
        SCOPED_TRACE(seed);
        const bool debug = seed % 4 < 2;
        const ReferenceDeal expected = Reference(seed);
        const DealtGame dealt = DealWithSeed(seed, debug);
        const Game& g = dealt.game;
        ASSERT_TRUE(IsConsistent(g));
        ASSERT_EQ(g.PilePosition, 29);
        std::set<std::string> names;
        for (const CardRecord& record : g.CardTable)
            names.insert(record.CardName);
        ASSERT_EQ(names.size(), 48u);
        ASSERT_EQ(g.CardTable, expected.accepted);
        ASSERT_EQ(g.TurnSide, expected.firstMover);
        // The first mover receives entries 1, 3, ..., 19, the other 2, 4, ..., 20, the desk
        // 21 to 28.
        HandSlots hands[2];
        DeskSlots desk;
        for (int k = 1; k <= 28; ++k) {
            const CardName& card = expected.accepted[k].CardName;
            if (k <= 20)
                hands[(k - 1) % 2][(k + 1) / 2] = card;
            else
                desk[k - 20] = card;
        }
        for (HandSlots& hand : hands)
            SortSlots(hand);
        SortSlots(desk);
        const bool human = expected.firstMover == HumanSide;
        ASSERT_EQ(g.PlayerHand, hands[human ? 0 : 1]);
        ASSERT_EQ(g.CPUHand, hands[human ? 1 : 0]);
        ASSERT_EQ(g.Desk, desk);
        ASSERT_LT(MostOfOneMonthOnDesk(g.CardTable), 3);
        if (!human)
            continue;
        ++humanFirst;
        // The human to move sees the deal, the computer's hand face down unless debugging.
        const TableView& view = dealt.view;
        ASSERT_TRUE(g.PlayerMayAct && g.GameInProgress && view.Menu.mnuAbort.Enabled);
        ASSERT_EQ(view.lblCards[1] + view.lblCards[2], " 10 10");
        for (int slot = 1; slot <= 10; ++slot) {
            ASSERT_EQ(view.picHand[slot].Picture, g.PlayerHand[slot]);
            ASSERT_TRUE(view.picHand[slot].Visible && view.picHand[slot].Enabled);
            ASSERT_TRUE(view.picComp[slot].Visible);
            ASSERT_EQ(view.picComp[slot].Picture, debug ? g.CPUHand[slot].Text() : "red_back.bmp");
        }
        for (int slot = 1; slot <= 16; ++slot) {
            ASSERT_EQ(view.picDesk[slot].Visible, slot <= 8);
            ASSERT_EQ(view.picDesk[slot].Picture, g.Desk[slot]);
        }
    }
    // Each side moves first with equal chance: 5000 expected, 50 is one standard deviation.
    EXPECT_GT(humanFirst, 4700);
    EXPECT_LT(humanFirst, 5300);
}

TEST(DealNewGame, ReDealsAreAnnouncedWithTheTextOfTheCheckThatFoundThem) {
    const std::pair<std::vector<int>, std::vector<std::string>> cases[] = {
        {{}, {}},
        {{4}, {Four}},
        {{3}, {Three}},
        {{4, 3}, {Four, Three}},
        // Four of a month found by the three-card check is announced as three.
        {{3, 4}, {Three, Three}}};
    for (const auto& [rejected, messages] : cases) {
        SCOPED_TRACE(::testing::PrintToString(rejected));
        // A seed whose rejected deals show these counts; with none, January twice is accepted.
        std::uint64_t seed = 1;
        for (; seed < 200000; ++seed) {
            const ReferenceDeal r = Reference(seed);
            int january = 0;
            for (int k = 21; k <= 28; ++k)
                january += r.accepted[k].Month == 1 ? 1 : 0;
            if (r.mostPerDeal.size() == rejected.size() + 1 &&
                std::equal(rejected.begin(), rejected.end(), r.mostPerDeal.begin()) &&
                (!rejected.empty() || january == 2))
                break;
        }
        ASSERT_LT(seed, 200000u);
        const DealtGame dealt = DealWithSeed(seed);
        EXPECT_EQ(dealt.messages, messages);
    }
}

}  // namespace
}  // namespace vm

#pragma once
// The core tests' shared fixture: a game laid out in the middle of play from lists of cards,
// so that a test can drive the handlers from a known table (every one of the 48 cards ends up
// somewhere, so the result passes IsConsistent), and the table written out as the player sees
// it, for comparing whole tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "play/flow.h"
#include "play/session.h"
#include "rules/captured_piles.h"
#include "rules/melds.h"
#include "tests/support/scripted_host.h"

namespace vm::test {

using Names = std::vector<std::string>;
enum class Rest { Pile, HumanGrid, ComputerGrid };

struct Layout {
    Names player = {}, cpu = {};
    Names desk = {};                     // given in sorted order; slots 1, 2, ...
    Names pile = {};                     // the next card to be drawn first
    Names humanGrid = {}, cpuGrid = {};  // already captured
    Rest rest = Rest::Pile;              // where every card not named above goes
    int turnSide = HumanSide;
};

// "jan_20 - feb_0" gives {"jan_20.bmp", "", "feb_0.bmp"}: card lists written short.
inline Names Split(const std::string& cards) {
    Names names;
    std::istringstream in(cards);
    for (std::string card; in >> card;) names.push_back(card == "-" ? "" : card + ".bmp");
    return names;
}

// A card as the player names it: its picture's name without ".bmp"; "-" for none.
inline std::string Short(const CardName& card) {
    return card.empty() ? "-" : card.Text().substr(0, card.Text().rfind(".bmp"));
}

// A row of places written short up to its last card, as Split reads it: "jan_20 - jan_1".
template <typename Row>
std::string Short(const Row& row) {
    std::string text;
    std::size_t last = 0;
    for (const CardName card : row) {
        text += (text.empty() ? "" : " ") + Short(card);
        if (!card.empty()) last = text.size();
    }
    return text.substr(0, last);
}

// A meld announcement: its five pictures written short, its text and its points.
inline std::string Shown(const MeldInfo& info) {
    return Short(info.Pictures) + " | " + info.Announcement + " | " + info.PointsText;
}

// The debug dump of the given filled lines (separated by "\n"), cleared lines up to ten.
inline std::string Dump(const std::string& filled) {
    std::string text;
    int n = 0;
    std::istringstream in(filled);
    for (std::string line; std::getline(in, line); ++n) text += line + "\r\n";
    for (; n < 10; ++n) text += "hand= desk= score= 0 ( 0, 0, 0)\r\n";
    return text;
}

// A seed whose first deal is accepted at once, the human moving first.
inline constexpr std::uint64_t HumanFirstSeed = 3;

// What the scripted host records for the two card sounds of a prepared session.
inline const std::string UpSound = "Sound /prog/Card_up.wav";
inline const std::string DownSound = "Sound /prog/Card_down.wav";

// A session as the tests use it: default options (sounds on, marked cards, no debugging),
// no real waiting, no files written.
inline void PrepareSession(Session& s, ScriptedHost& host, int dealSpeed = 1) {
    host.Attach(s);
    s.ProgramFolder = "/prog/";
    s.PersistRecords = false;
    s.options.DealSpeed = static_cast<std::int16_t>(dealSpeed);
}

// A session as the tests use it, with the options given, that has dealt a new game from the seed.
struct Dealt {
    explicit Dealt(std::uint64_t seed, const GameOptions& options = {}) {
        s.options = options;
        PrepareSession(s, host);
        s.game.Rng = Random(seed);
        NewGame(s);
    }
    ScriptedHost host;
    Session s{host};
};

// Writes the layout into a new session; the turn is not started (call NextTurn for that).
inline void SetUpTable(Session& s, Layout layout) {
    Game& g = s.game;
    ResetTable(s);
    BuildCardTable(g.CardTable, s.options.ShowSuitsAndScores);
    const CardTableType deck = g.CardTable;
    // The dealt order: cards out of the pile first, then the pile, next card first.
    Names order;
    for (const Names* list : {&layout.player, &layout.cpu, &layout.desk, &layout.humanGrid,
                              &layout.cpuGrid, &layout.pile})
        order.insert(order.end(), list->begin(), list->end());
    Names& rest = layout.rest == Rest::Pile        ? layout.pile
                  : layout.rest == Rest::HumanGrid ? layout.humanGrid
                                                   : layout.cpuGrid;
    for (const CardRecord& record : deck) {
        if (std::find(order.begin(), order.end(), record.CardName) == order.end()) {
            rest.push_back(record.CardName);
            order.insert(layout.rest == Rest::Pile ? order.end() : order.begin(), record.CardName);
        }
    }
    ASSERT_EQ(order.size(), 48u) << "unknown or repeated card in the layout";
    for (int i = 1; i <= 48; ++i)
        g.CardTable[i] = *std::find_if(deck.begin(), deck.end(), [&](const CardRecord& r) {
            return r.CardName == order[static_cast<std::size_t>(i - 1)];
        });
    g.PilePosition = static_cast<std::int16_t>(49 - layout.pile.size());
    // Fills a row in sorted order and gives its count.
    const auto fill = [](auto& slots, const Names& cards) {
        slots.Fill(CardName());
        std::copy(cards.begin(), cards.end(), slots.begin());
        SortSlots(slots);
        return static_cast<std::int16_t>(cards.size());
    };
    g.HandCount[HumanSide] = fill(g.PlayerHand, layout.player);
    g.HandCount[ComputerSide] = fill(g.CPUHand, layout.cpu);
    g.DeskNextSlot = static_cast<std::int16_t>(fill(g.Desk, layout.desk) + 1);
    // A meld already complete in a grid counts as announced and scored earlier in the game.
    ScriptedHost earlier;
    Table quiet{g, s.view, earlier, s.options, s.ProgramFolder};
    for (const Side side : {HumanSide, ComputerSide}) {
        for (const std::string& name : side == HumanSide ? layout.humanGrid : layout.cpuGrid)
            CaptureCard(g, s.view, side, CardName(name), MonthRank(g.CardTable, name));
        CheckMelds(quiet, side);
        ShowScore(g, s.view, side);
    }
    g.TurnSide = static_cast<Side>(layout.turnSide);
    g.GameInProgress = true;
    s.view.Menu.mnuAbort.Enabled = true;
    for (const Zone zone : {Zone::HumanHand, Zone::ComputerHand, Zone::Desk})
        RedrawZone(quiet, zone);
}

// The places of the table as the player sees them, zone by zone, for comparing a whole table
// in one expectation: "comp back back | desk jan_1*+ apr_5 | hand jan_20* mar_1+ | pile - jul_0*
// | taken jan_20 jan_1". A card is its picture's name without ".bmp"; "*" when it is framed, "+"
// when it takes clicks. Hidden places are left out, but for the two pile places ("-").
inline std::string Shown(const TableView& v) {
    std::string text;
    const auto zone = [&](const char* title, const auto& places, const auto& frames) {
        text += text.empty() ? title : std::string(" | ") + title;
        for (int i = 1; i <= places.Size; ++i) {
            const CardPlace& place = places[i];
            if (!place.Visible && !frames[i] && places.Size != 2) continue;
            text += " " + (place.Visible ? Short(place.Picture) : "-");
            text += std::string(frames[i] ? "*" : "") + (place.Enabled ? "+" : "");
        }
    };
    zone("comp", v.picComp, v.picCompShape);
    zone("desk", v.picDesk, v.picShape);
    zone("hand", v.picHand, v.picHandShape);
    zone("pile", v.picPile, v.picPileShape);
    text += " | taken";
    for (const auto& pile : v.MonthPiles) {
        for (const CardPlace& place : pile) {
            if (place.Visible) text += " " + Short(place.Picture);
        }
    }
    return text;
}

// The score labels and the turns-left counters, human's first, exactly as written.
inline std::string Labels(const TableView& v) {
    return v.lblPlayer + "/" + v.lblCPU + "/" + v.lblCards[1] + "/" + v.lblCards[2];
}

// A session on a laid-out table; laying it out asks nothing of the session's host.
struct OnTable {
    explicit OnTable(const Layout& layout, bool debug = false, int dealSpeed = 1) {
        PrepareSession(s, host, dealSpeed);
        s.options.DebugMode = debug;
        SetUpTable(s, layout);
    }
    ScriptedHost host;
    Session s{host};
    Table table = TableOf(s);
};

// A table with the deck in order and every card in the pile, for tests of the grids and melds.
struct GridTest : ::testing::Test, OnTable {
    GridTest() : OnTable({}, false, 0) {}
    // Captures the cards as a play does: into the grid, and the human's into the month piles.
    void Give(Side side, const std::string& cards) {
        for (const std::string& name : Split(cards)) {
            const CardName card(name);
            const int rank = MonthRank(s.game.CardTable, card);
            CaptureCard(s.game, s.view, side, card, rank);
            if (side == HumanSide) ShowCapturedCard(s.view, card, rank);
        }
    }
};

// The parts of a game that a player's input may change, for comparing before and after.
inline auto PlayState(const Game& g) {
    return std::tuple(g.PlayerHand, g.CPUHand, g.Desk, g.PilePosition, g.TurnSide, g.CapturedPiles,
                      g.MeldFlags, g.SelectedHandSlot, g.MatchPending, g.DeskMatchSlots,
                      g.PlayerMayAct);
}

}  // namespace vm::test

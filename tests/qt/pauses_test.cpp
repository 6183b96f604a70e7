// The pauses of play: what happens when the player acts while the computer or a pile draw is
// pausing. The pauses go by the fixture's clock, which moves only while they run.
// The monkey: thousands of random pointer moves, clicks and menu commands, some of them during
// pauses: the window never crashes and the game is whole whenever control is back at the top.
// A run is fixed by its seed, VELMORIA_MONKEY_SEED when set; a failure names the seed and
// the event, and the same seed repeats it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "model/game_state.h"
#include "records/data_file.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

// Deals at the fast speed and runs `action` once, inside the first pause in which `when` holds;
// if the human moves first, plays one card of theirs so that the computer's turn runs.
void DuringAPause(
    WindowFixture& table, const std::function<void()>& action,
    const std::function<bool()>& when = [] { return true; }) {
    bool done = false;
    table.duringPauses([&] {
        if (!done && when()) {
            done = true;
            action();
        }
    });
    table.session().options.DealSpeed = 1;
    table.action("mnuNew")->trigger();
    if (!done)
        table.playOneCard();
    table.duringPauses({});
    ASSERT_TRUE(done);
}

TEST(Pauses, APauseLastsItsTimeWhileEventsFlowAndARequestEndsItAtOnce) {
    EnsureApplication();
    PauseLoops pauses;
    qint64 now = 1000;
    pauses.setClock([&now] { return now; });
    std::vector<qint64> ticks;  // the clock at each event handled during the pause
    QTimer events;
    QObject::connect(&events, &QTimer::timeout, [&] {
        ticks.push_back(now);
        now += 100;
        pauses.clockMoved();
    });
    events.start(0);
    pauses.pause(0.25);
    EXPECT_EQ(ticks, (std::vector<qint64>{1000, 1100, 1200})) << "over once 250 ms have passed";

    ticks.clear();  // from here on a pause of 5 s would see 50 events
    QTimer::singleShot(0, [&] {
        pauses.request(Request::Close);
        pauses.request(Request::NewGame);
    });
    EXPECT_THROW(pauses.pause(5), TurnAbandoned);
    EXPECT_LE(ticks.size(), 1u) << "the request ended the pause at once";
    EXPECT_EQ(pauses.take(), Request::Close) << "closing outranks New";
    pauses.request(Request::AbortGame);
    pauses.request(Request::NewGame);
    EXPECT_EQ(pauses.take(), Request::NewGame) << "the latest of New and Abort wins";
}

// New, an answered Abort and closing the window are carried out once the pause they came in
// has ended. Closing keeps both files a player keeps: the options as they stand and the high
// scores, found again at the next start.
TEST(Pauses, NewAbortOrClosingDuringAPauseTakesEffectAsThePauseEnds) {
    WindowFixture table;
    Session& session = table.session();
    DuringAPause(
        table,
        [&] {
            session.options.DealSpeed = 0;
            table.action("mnuNew")->trigger();
        },
        [&] { return session.game.TurnSide == ComputerSide; });
    // Nothing of the abandoned turn: the new game waits for the human's first card.
    EXPECT_TRUE(session.game.PlayerMayAct);
    EXPECT_EQ(VisibleCards(&table.form(), "picHand", 10), 10);

    table.answerWith([](QWidget* box) { DialogAnswerer::pressButton(box, "Yes"); });
    DuringAPause(table, [&] { table.action("mnuAbort")->trigger(); });
    EXPECT_TRUE(table.tableIsIdle());

    const HighScoreEntry best{"Closer", 420, "01/02/2030"};
    DuringAPause(table, [&] {
        session.highScores[1] = best;
        table.form().close();
    });
    EXPECT_FALSE(table.form().isVisible());
    EXPECT_FALSE(table.form().pauses().pausing());
    EXPECT_THAT(ReadFileBytes(table.folder().toStdString() + "VELMORIA.INI"),
                testing::Optional(testing::HasSubstr("[speed]=1\r\n")));
    table.restart();
    EXPECT_EQ(table.session().highScores[1], best);
}

// Random events of every kind, all drawn from one generator.
struct Monkey {
    WindowFixture& table;
    std::mt19937 random;
    int events = 0, eventsInside = 0, closes = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    void act() {
        ++events;
        const int kind = pick(14);
        if (kind == 12 && pick(4) == 0) {
            ++closes;  // the next run starts over the same folder
            table.form().close();
        } else if (kind < 4 || kind == 12) {
            if (CardWidget* place = table.hand(pick(10) + 1); place->isVisible())
                WindowFixture::hover(place);
        } else if (kind < 8) {
            static const std::pair<const char*, int> groups[] = {
                {"picHand", 10}, {"picDesk", 16}, {"picComp", 10}, {"picPile", 2}, {"picMar", 4}};
            const auto& [prefix, count] = groups[pick(5)];
            if (CardWidget* place =
                    table.place(QStringLiteral("%1_%2").arg(prefix).arg(pick(count) + 1));
                place->isVisible())
                WindowFixture::click(place);
        } else if (kind < 12) {
            static const char* const commands[] = {
                "mnuNew", "mnuAbort", "mnuPlayMatch", "mnuCPUMatch", "mnuDealPile",
                "mnuNew", "mnuAbort", "mnuDebug",     "mnuSuit",     "mnuHighScores"};
            table.action(commands[pick(10)])->trigger();
        } else {
            table.playOneCard(pick(10) + 1);  // so that the events meet every stage
        }
    }
};

// A thousand events at the fast speed, then two thousand without pauses. Inside pauses the
// monkey acts on two of three turns of their clock, as a player would from the menus.
TEST(Monkey, RandomEventsDuringPausesAndWithout) {
    const QByteArray given = qgetenv("VELMORIA_MONKEY_SEED");
    const unsigned seed = given.isEmpty() ? 7 : given.toUInt();
    WindowFixture table;
    Monkey monkey{table, std::mt19937(seed)};
    table.answerWith([&monkey](QWidget* dialog) {
        DialogAnswerer::pressButton(dialog, monkey.pick(2) ? "Yes" : "No");
    });
    table.duringPauses([&monkey] {
        if (monkey.pick(3) > 0) {
            ++monkey.eventsInside;
            monkey.act();
        }
    });
    table.session().game.Rng = Random(seed);  // the deals too, not the time of day
    while (monkey.events < 3000) {
        table.session().options.DealSpeed = monkey.events < 1000 ? 1 : 0;
        SCOPED_TRACE(testing::Message()
                     << "VELMORIA_MONKEY_SEED=" << seed << ", event " << monkey.events + 1);
        monkey.act();
        ASSERT_TRUE(!table.session().game.GameInProgress || IsConsistent(table.session().game));
        ASSERT_FALSE(table.form().pauses().pausing());
        if (!table.form().isVisible()) {
            table.restart();  // a closed window opens again for the next run
            table.session().game.Rng = Random(seed + monkey.events);
        }
    }
    EXPECT_GE(monkey.eventsInside, 200) << "VELMORIA_MONKEY_SEED=" << seed;
    EXPECT_GT(monkey.closes, 0) << "VELMORIA_MONKEY_SEED=" << seed;
}

}  // namespace
}  // namespace vm::test

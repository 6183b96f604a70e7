// Thousands of random pointer moves, clicks and menu commands, some of them during pauses of
// play: the window never crashes and the game is whole whenever control is back at the top.
// A run is fixed by its seed, VELMORIA_MONKEY_SEED when set; a failure names the seed and
// the event, and the same seed repeats it.

#include <gtest/gtest.h>

#include <random>

#include "model/game_state.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

unsigned Seed(unsigned fallback) {
    const QByteArray seed = qgetenv("VELMORIA_MONKEY_SEED");
    return seed.isEmpty() ? fallback : seed.toUInt();
}

class Monkey {
  public:
    Monkey(WindowFixture& table, unsigned seed) : m_table(table), m_random(seed) {
        m_table.dialogs().answerWith([this](QWidget* dialog) {
            if (dialog->windowTitle() == "Abort!")
                DialogAnswerer::pressButton(dialog, chance(2) ? "Yes" : "No");
            else
                DialogAnswerer::pressDefault(dialog);
        });
    }
    ~Monkey() { m_table.dialogs().answerWith({}); }

    // One random event of any kind.
    void act() {
        ++m_events;
        const int kind = pick(14);
        if (kind == 12 && chance(4)) {
            ++m_closes;  // the next run starts over the same folder
            m_table.form().close();
        } else if (kind < 4 || kind == 12) {
            if (CardWidget* place = m_table.hand(pick(10) + 1); place->isVisible())
                WindowFixture::hover(place);
        } else if (kind < 8) {
            static const std::pair<const char*, int> groups[] = {
                {"picHand", 10}, {"picDesk", 16}, {"picComp", 10}, {"picPile", 2}, {"picMar", 4}};
            const auto& [prefix, count] = groups[pick(5)];
            if (CardWidget* place =
                    m_table.place(QStringLiteral("%1_%2").arg(prefix).arg(pick(count) + 1));
                place->isVisible())
                WindowFixture::click(place);
        } else if (kind < 12) {
            static const char* const commands[] = {
                "mnuNew", "mnuAbort", "mnuPlayMatch", "mnuCPUMatch", "mnuDealPile",
                "mnuNew", "mnuAbort", "mnuDebug",     "mnuSuit",     "mnuHighScores"};
            m_table.action(commands[pick(10)])->trigger();
        } else {
            m_table.playOneCard(pick(10) + 1);  // so that the events meet every stage
        }
    }
    // Inside a pause: another event, or the pause's clock moves on.
    void actOrWait(qint64& now) {
        if (chance(3)) {
            now += 250;
            return m_table.form().pauses().clockMoved();
        }
        ++m_eventsInside;
        act();
    }

    int events() const { return m_events; }
    int eventsInside() const { return m_eventsInside; }
    int closes() const { return m_closes; }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int oneIn) { return pick(oneIn) == 0; }

    WindowFixture& m_table;
    std::mt19937 m_random;
    int m_events = 0, m_eventsInside = 0, m_closes = 0;
};

// Runs the monkey for `events` events at the given deal speed; inside pauses it acts from a
// timer, as a player would from the menus, on a clock that moves only when it says.
void RunMonkey(unsigned fallbackSeed, int speed, int events, int eventsInside) {
    const unsigned seed = Seed(fallbackSeed);
    WindowFixture table;
    Monkey monkey(table, seed);
    table.session().game.Rng = Random(seed);  // the deals too, not the time of day
    qint64 now = 0;
    QTimer inside;
    QObject::connect(&inside, &QTimer::timeout, [&] {
        // A dialog is the answerer's; acting beside it would depend on which timer is first.
        if (table.form().isVisible() && table.form().pauses().pausing() &&
            !QApplication::activeModalWidget())
            monkey.actOrWait(now);
    });
    inside.start(0);
    while (monkey.events() < events) {
        table.form().pauses().setClock([&now] { return now; });
        table.session().options.DealSpeed = speed;
        SCOPED_TRACE(testing::Message()
                     << "VELMORIA_MONKEY_SEED=" << seed << ", event " << monkey.events() + 1);
        monkey.act();
        if (table.session().game.GameInProgress) {
            ASSERT_TRUE(IsConsistent(table.session().game));
        }
        ASSERT_FALSE(table.form().pauses().pausing());
        if (!table.form().isVisible()) {
            table.restart();  // a closed window opens again for the next run
            table.session().game.Rng = Random(seed + monkey.events());
        }
    }
    EXPECT_GE(monkey.eventsInside(), eventsInside) << "VELMORIA_MONKEY_SEED=" << seed;
    EXPECT_GT(monkey.closes(), 0) << "VELMORIA_MONKEY_SEED=" << seed;
}

TEST(Monkey, RandomEventsWithoutPauses) {
    RunMonkey(20240601, 0, 2000, 0);
}

TEST(Monkey, RandomEventsDuringPauses) {
    RunMonkey(7, 1, 1000, 200);
}

}  // namespace
}  // namespace vm::test

// Thousands of random pointer moves, clicks and menu commands, some of them during pauses of
// play: the window never crashes and the game is whole whenever control is back at the top.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <random>

#include "model/game_state.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

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

    int events() const { return m_events; }
    int closes() const { return m_closes; }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int oneIn) { return pick(oneIn) == 0; }

    WindowFixture& m_table;
    std::mt19937 m_random;
    int m_events = 0;
    int m_closes = 0;
};

// Back in the event loop: no pause left running and, while a game runs, every card in its
// place; then a closed window is opened again for the next run.
void CheckAndReopen(WindowFixture& table) {
    if (table.session().game.GameInProgress) {
        ASSERT_TRUE(IsConsistent(table.session().game));
    }
    ASSERT_FALSE(table.form().pauses().pausing());
    if (!table.form().isVisible())
        table.restart();
}

TEST(Monkey, RandomEventsWithoutPauses) {
    WindowFixture table;
    Monkey monkey(table, 20240601);
    while (monkey.events() < 2000) {
        table.session().options.DealSpeed = 0;
        monkey.act();
        CheckAndReopen(table);
    }
    EXPECT_GT(monkey.closes(), 0);
}

TEST(Monkey, RandomEventsDuringOneSecondPauses) {
    WindowFixture table;
    Monkey monkey(table, 7);
    // Inside pauses the monkey acts from a timer, as a player would from the menus.
    QTimer inside;
    int eventsInside = 0;
    QObject::connect(&inside, &QTimer::timeout, [&] {
        if (table.form().isVisible() && table.form().pauses().pausing()) {
            ++eventsInside;
            monkey.act();
        }
    });
    inside.start(15);
    QElapsedTimer clock;
    clock.start();
    while (eventsInside < 150 && clock.elapsed() < 20000) {
        table.session().options.DealSpeed = 1;
        monkey.act();
        CheckAndReopen(table);
    }
    EXPECT_GE(eventsInside, 150);
    EXPECT_GT(monkey.closes(), 0);
}

}  // namespace
}  // namespace vm::test

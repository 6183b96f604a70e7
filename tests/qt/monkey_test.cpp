// Thousands of random pointer moves, clicks and menu commands, some of them during pauses of
// play: the window never crashes and the game is whole whenever control is back at the top.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <random>
#include <vector>

#include "game/game_state.h"
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
        switch (pick(14)) {
            case 0:
            case 1:
            case 2:
            case 3:
                return hoverHand();
            case 4:
            case 5:
            case 6:
            case 7:
                return clickSomewhere();
            case 8:
                return trigger("mnuNew");
            case 9:
                return trigger("mnuAbort");
            case 10:
                return trigger(pickOf({"mnuPlayMatch", "mnuCPUMatch", "mnuDealPile"}));
            case 11:
                return trigger(pickOf({"mnuDebug", "mnuSuit", "mnuHighScores"}));
            case 12:
                return chance(4) ? requestClose() : hoverHand();
            default:
                return playWell();
        }
    }

    int events() const { return m_events; }
    int closes() const { return m_closes; }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int oneIn) { return pick(oneIn) == 0; }
    const char* pickOf(std::initializer_list<const char*> names) {
        return names.begin()[pick(int(names.size()))];
    }

    void trigger(const char* name) { m_table.action(name)->trigger(); }

    void hoverHand() {
        CardWidget* place = m_table.hand(pick(10) + 1);
        if (place->isVisible())
            WindowFixture::hover(place);
    }

    void clickSomewhere() {
        static const std::vector<std::pair<const char*, int>> groups = {
            {"picHand", 10}, {"picDesk", 16}, {"picComp", 10}, {"picPile", 2}, {"picMar", 4}};
        const auto& [prefix, count] = groups[std::size_t(pick(int(groups.size())))];
        CardWidget* place = m_table.place(
            QStringLiteral("%1_%2").arg(QString::fromLatin1(prefix)).arg(pick(count) + 1));
        if (place->isVisible())
            WindowFixture::click(place);
    }

    // Moves the game on, so that the random events meet every stage of it.
    void playWell() { m_table.playOneCard(pick(10) + 1); }

    // Closing ends the run; the next run starts over the same folder.
    void requestClose() {
        ++m_closes;
        m_table.form().close();
    }

    WindowFixture& m_table;
    std::mt19937 m_random;
    int m_events = 0;
    int m_closes = 0;
};

// The game's cards are all in their places while a game runs; after the end or an abort the
// table is cleared and nothing is left to check.
void ExpectWhole(WindowFixture& table) {
    const Game& game = table.session().game;
    if (game.GameInProgress) {
        ASSERT_TRUE(IsConsistent(game));
    }
    ASSERT_FALSE(table.form().pauses().pausing());
}

void ReopenIfClosed(WindowFixture& table) {
    if (!table.form().isVisible())
        table.restart();
}

TEST(Monkey, RandomEventsWithoutPauses) {
    WindowFixture table;
    Monkey monkey(table, 20240601);
    while (monkey.events() < 2000) {
        monkey.act();
        ExpectWhole(table);
        ReopenIfClosed(table);
        table.session().options.DealSpeed = 0;
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
        if (!table.form().isVisible() || !table.form().pauses().pausing())
            return;
        ++eventsInside;
        monkey.act();
    });
    inside.start(40);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        table.session().options.DealSpeed = 1;
        monkey.act();
        ExpectWhole(table);
        ReopenIfClosed(table);
    }
    EXPECT_GT(eventsInside, 50);
    EXPECT_GT(monkey.events(), 400);
}

}  // namespace
}  // namespace vm::test

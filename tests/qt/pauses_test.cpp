// Whole games and the pauses of play: what happens when the player acts while the computer
// or a pile draw is pausing.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>

#include "model/game_state.h"
#include "rules/scoreboard.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

// Deals at the fast speed and, if the human moves first, plays one card so that the
// computer's turn runs; `action` runs once, inside the first pause in which `when` holds.
void DuringAPause(WindowFixture& table, const std::function<bool()>& when,
                  const std::function<void()>& action) {
    bool done = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!done && table.form().pauses().pausing() && when()) {
            done = true;
            action();
        }
    });
    poll.start(10);
    table.session().options.DealSpeed = 1;
    table.action("mnuNew")->trigger();
    if (!done)
        table.playOneCard();
    ASSERT_TRUE(done);
}

TEST(Pauses, AWholeGameByClicksEndsWithTheScoreboardAndAnIdleTable) {
    WindowFixture table;
    Session& session = table.session();
    QString shownTotal;
    std::string expectedTotal;
    table.dialogs().answerWith([&](QWidget* dialog) {
        if (dialog->objectName() == "Score") {
            shownTotal = dialog->findChild<QLabel*>("lblPlayerTotal")->text();
            expectedTotal = BuildScoreboard(session.game).Player.TotalLabel;
        }
        DialogAnswerer::pressDefault(dialog);
    });
    table.action("mnuNew")->trigger();
    int plays = 0;
    while (session.game.GameInProgress && plays < 10) {
        ASSERT_TRUE(table.playOneCard(plays % 10 + 1)) << "play " << plays;
        ++plays;
        if (session.game.GameInProgress) {
            ASSERT_TRUE(IsConsistent(session.game));
        }
    }
    EXPECT_EQ(plays, 10) << "ten plays of the human's make a game";
    EXPECT_EQ(table.dialogs().seen().count("Velmoria Scoreboard"), 1);
    EXPECT_EQ(shownTotal.toStdString(), expectedTotal);
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(table.visibleCount("picJan", 4) + table.visibleCount("picDec", 4), 0);
    EXPECT_FALSE(table.action("mnuAbort")->isEnabled());
    EXPECT_EQ(table.form().findChild<QLabel*>("lblPlayer")->text(), " 0");
}

TEST(Pauses, APauseWaitsItsTimeWhileEventsFlowAndARequestEndsItAtOnce) {
    EnsureApplication();
    PauseLoops pauses;
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&ticks] { ++ticks; });
    other.start(20);
    QElapsedTimer clock;
    clock.start();
    pauses.pause(0.3);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 600);
    EXPECT_GE(ticks, 5) << "events are handled while the pause runs";

    QTimer::singleShot(20, [&] {
        pauses.request(Request::Close);
        pauses.request(Request::NewGame);
    });
    clock.restart();
    EXPECT_THROW(pauses.pause(5), TurnAbandoned);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(pauses.take(), Request::Close) << "closing outranks New";
    pauses.request(Request::AbortGame);
    pauses.request(Request::NewGame);
    EXPECT_EQ(pauses.take(), Request::NewGame) << "the latest of New and Abort wins";
}

TEST(Pauses, NewOrAbortDuringAPauseTakesEffectAtOnce) {
    WindowFixture table;
    Session& session = table.session();
    DuringAPause(
        table, [&] { return session.game.TurnSide == ComputerSide; },
        [&] {
            session.options.DealSpeed = 0;
            table.action("mnuNew")->trigger();
        });
    EXPECT_TRUE(IsConsistent(session.game));
    EXPECT_TRUE(session.game.PlayerMayAct) << "the new game waits for the human";
    // Nothing of the abandoned turn: the human has not played in this game yet.
    EXPECT_EQ(session.game.HandCount[HumanSide], 10);
    EXPECT_EQ(session.game.PlayerScore, 0);
    EXPECT_EQ(session.view.lblCards[HumanSide], " 10");
    for (int k = 1; k <= 16; ++k)
        EXPECT_FALSE(session.view.picShape[k]) << k;
    ASSERT_TRUE(table.playOneCard()) << "the new game plays on";
    EXPECT_TRUE(IsConsistent(session.game));

    table.dialogs().answerWith([](QWidget* box) {
        if (box->windowTitle() == "Abort!")
            return DialogAnswerer::pressButton(box, "Yes");
        DialogAnswerer::pressDefault(box);
    });
    DuringAPause(
        table, [] { return true; }, [&] { table.action("mnuAbort")->trigger(); });
    EXPECT_FALSE(session.game.GameInProgress);
    EXPECT_FALSE(table.action("mnuAbort")->isEnabled());
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_FALSE(table.form().pauses().pausing());
}

TEST(Pauses, ClosingDuringAPauseClosesCleanlyAndSavesTheOptions) {
    WindowFixture table;
    DuringAPause(
        table, [] { return true; }, [&] { table.form().close(); });
    EXPECT_FALSE(table.form().isVisible());
    EXPECT_FALSE(table.form().pauses().pausing());
    QFile ini(table.folder() + "VELMORIA.INI");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[speed]=1\r\n"));
}

}  // namespace
}  // namespace vm::test

// Whole games and the pauses of play: what happens when the player acts while the computer
// or a pile draw is pausing. The pauses go by a clock the tests move by hand.

#include <gtest/gtest.h>

#include <QFile>

#include "model/game_state.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

// Runs `action` once, inside the first pause in which `when` holds, then lets the pauses
// end: deals at the fast speed and, if the human moves first, plays one card so that the
// computer's turn runs.
void DuringAPause(WindowFixture& table, const std::function<bool()>& when,
                  const std::function<void()>& action) {
    qint64 now = 0;
    bool done = false;
    PauseLoops& pauses = table.form().pauses();
    pauses.setClock([&now] { return now; });
    QTimer step;  // each turn of the nested event loop, the pause's clock moves on
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (!pauses.pausing() || QApplication::activeModalWidget())
            return;
        if (!done && when()) {
            done = true;
            action();
        }
        now += 100;
        pauses.clockMoved();
    });
    step.start(0);
    table.session().options.DealSpeed = 1;
    table.action("mnuNew")->trigger();
    if (!done)
        table.playOneCard();
    pauses.setClock({});  // `now` ends here
    ASSERT_TRUE(done);
}

TEST(Pauses, AWholeGameByClicksEndsWithTheScoreboardOfTheTablesScoresAndAnIdleTable) {
    WindowFixture table;
    QString shownTotal, expectedTotal;
    table.dialogs().answerWith([&](QWidget* dialog) {
        if (dialog->objectName() == "Score") {
            // The scoreboard agrees with the scores the table showed at the end.
            const QString player = table.label("lblPlayer"), cpu = table.label("lblCPU");
            const int difference = player.toInt() - cpu.toInt();
            expectedTotal = (difference > 0   ? "Winner "
                             : difference < 0 ? "Loser "
                                              : "Draw ") +
                            player;
            shownTotal = LabelText(dialog, "lblPlayerTotal");
        }
        DialogAnswerer::pressDefault(dialog);
    });
    table.action("mnuNew")->trigger();
    int plays = 0;
    while (table.session().game.GameInProgress && plays < 10) {
        ASSERT_TRUE(table.playOneCard(plays % 10 + 1)) << "play " << plays;
        ++plays;
        if (table.session().game.GameInProgress) {
            ASSERT_TRUE(IsConsistent(table.session().game));
        }
    }
    EXPECT_EQ(plays, 10) << "ten plays of the human's make a game";
    EXPECT_EQ(table.dialogs().seen().count("Velmoria Scoreboard"), 1);
    EXPECT_EQ(shownTotal, expectedTotal);
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(table.visibleCount("picJan", 4) + table.visibleCount("picDec", 4), 0);
    EXPECT_FALSE(table.action("mnuAbort")->isEnabled());
    EXPECT_EQ(table.label("lblPlayer"), " 0");
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
    EXPECT_EQ(table.label("lblCards_1"), " 10");
    EXPECT_EQ(table.visibleCount("picHand", 10), 10);
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

// Both files a player keeps: the options as they stand and the high scores, found again at
// the next start.
TEST(Pauses, ClosingDuringAPauseClosesCleanlyAndSavesTheOptionsAndTheHighScores) {
    WindowFixture table;
    const HighScoreEntry best{"Closer", 420, "01/02/2030"};
    DuringAPause(
        table, [] { return true; },
        [&] {
            table.session().highScores[1] = best;
            table.form().close();
        });
    EXPECT_FALSE(table.form().isVisible());
    EXPECT_FALSE(table.form().pauses().pausing());
    QFile ini(table.folder() + "VELMORIA.INI");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[speed]=1\r\n"));
    table.restart();
    EXPECT_EQ(table.session().highScores[1].Name, best.Name);
    EXPECT_EQ(table.session().highScores[1].Score, best.Score);
}

}  // namespace
}  // namespace vm::test

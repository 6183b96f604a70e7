// Whole games and the pauses of play: what happens when the player acts while the computer
// or a pile draw is pausing.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>

#include "game/game_state.h"
#include "ui/qt/table_widget.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

// Runs `action` once, from inside the first pause of play in which `when` holds.
class DuringPause {
  public:
    DuringPause(WindowFixture& table, std::function<bool()> when, std::function<void()> action)
        : m_table(table), m_when(std::move(when)), m_action(std::move(action)) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_done || !m_table.form().pauses().pausing() || !m_when())
                return;
            m_done = true;
            m_action();
        });
        m_timer.start();
    }
    bool done() const { return m_done; }

  private:
    WindowFixture& m_table;
    std::function<bool()> m_when;
    std::function<void()> m_action;
    QTimer m_timer;
    bool m_done = false;
};

// Deals and, if the human moves first, plays one card, so that the computer's turn runs;
// stops as soon as the command under test has been given.
void ReachComputersTurn(WindowFixture& table, const DuringPause& command) {
    table.action("mnuNew")->trigger();
    if (!command.done())
        table.playOneCard();
}

bool TableIsIdle(WindowFixture& table) {
    return table.visibleCount("picHand", 10) + table.visibleCount("picComp", 10) +
               table.visibleCount("picDesk", 16) + table.visibleCount("picPile", 2) ==
           0;
}

TEST(Pauses, AWholeGameByClicksEndsWithTheScoreboardAndAnIdleTable) {
    WindowFixture table;
    Session& session = table.session();
    int scoreboards = 0;
    table.dialogs().answerWith([&](QWidget* dialog) {
        if (dialog->objectName() == "Score") {
            ++scoreboards;
            // The dialog shows exactly what the core computed from the finished game.
            const ScoreboardView expected = BuildScoreboard(session.game);
            EXPECT_EQ(dialog->findChild<QLabel*>("lblPlayerTotal")->text().toStdString(),
                      expected.Player.TotalLabel);
            EXPECT_EQ(dialog->findChild<QLabel*>("lblCPUTotal")->text().toStdString(),
                      expected.CPU.TotalLabel);
            for (int k = 1; k <= 24; ++k) {
                auto* card = dialog->findChild<CardWidget*>(QStringLiteral("picCPU_%1").arg(k));
                EXPECT_EQ(card->isVisibleTo(dialog), !expected.CPU.ScoringCards[k].empty());
                EXPECT_EQ(card->picture(), expected.CPU.ScoringCards[k]);
            }
        }
        DialogAnswerer::pressDefault(dialog);
    });
    table.action("mnuNew")->trigger();
    int plays = 0;
    while (session.game.GameInProgress && plays < 10) {
        ASSERT_TRUE(table.playOneCard(plays % 10 + 1)) << "play " << plays;
        ++plays;
        // A finished game's cards are cleared off the table and out of the grids.
        if (session.game.GameInProgress) {
            ASSERT_TRUE(IsConsistent(session.game));
        }
    }
    EXPECT_EQ(plays, 10) << "ten plays of the human's make a game";
    EXPECT_FALSE(session.game.GameInProgress);
    EXPECT_EQ(scoreboards, 1);
    EXPECT_TRUE(table.dialogs().seen().contains("Velmoria Scoreboard"));
    EXPECT_TRUE(TableIsIdle(table));
    EXPECT_EQ(table.visibleCount("picJan", 4) + table.visibleCount("picDec", 4), 0);
    EXPECT_FALSE(table.action("mnuAbort")->isEnabled());
    EXPECT_EQ(table.form().findChild<QLabel*>("lblPlayer")->text(), " 0");
}

TEST(Pauses, APauseWaitsItsTimeWithoutBlockingTheWindow) {
    WindowFixture table;
    QElapsedTimer clock;
    clock.start();
    table.form().pauses().pause(0);
    table.form().pauses().pause(-1);
    EXPECT_LT(clock.elapsed(), 50);

    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&ticks] { ++ticks; });
    other.start(20);
    clock.restart();
    table.form().pauses().pause(0.3);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 600);
    EXPECT_GE(ticks, 5) << "events are handled while the pause runs";
}

TEST(Pauses, ARequestEndsThePauseAtOnceAndClosingOutranksTheOthers) {
    EnsureApplication();
    PauseLoops pauses;
    QTimer::singleShot(20, [&] {
        EXPECT_TRUE(pauses.pausing());
        pauses.request(Request::Close);
        pauses.request(Request::NewGame);
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(pauses.pause(5), TurnAbandoned);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(pauses.pausing());
    EXPECT_THROW(pauses.pause(0), TurnAbandoned) << "no turn goes on while a request waits";
    EXPECT_EQ(pauses.take(), Request::Close);
    EXPECT_EQ(pauses.take(), Request::None);

    pauses.request(Request::AbortGame);
    pauses.request(Request::NewGame);
    EXPECT_EQ(pauses.take(), Request::NewGame) << "the latest of New and Abort wins";
    EXPECT_NO_THROW(pauses.pause(0.01));
}

TEST(Pauses, NewDuringTheComputersPauseStartsACleanGame) {
    WindowFixture table;
    Session& session = table.session();
    session.options.DealSpeed = 1;
    DuringPause newGame(
        table, [&] { return session.game.TurnSide == ComputerSide; },
        [&] { table.action("mnuNew")->trigger(); });
    ReachComputersTurn(table, newGame);
    ASSERT_TRUE(newGame.done());

    EXPECT_TRUE(session.game.GameInProgress);
    EXPECT_TRUE(IsConsistent(session.game));
    EXPECT_TRUE(session.game.PlayerMayAct) << "the new game waits for the human";
    // Nothing of the abandoned turn: the human has not played in this game yet.
    EXPECT_EQ(session.game.HandCount[HumanSide], 10);
    EXPECT_EQ(session.game.PlayerScore, 0);
    EXPECT_EQ(session.view.lblCards[HumanSide], " 10");
    EXPECT_EQ(table.visibleCount("picHand", 10), 10);
    for (int k = 1; k <= 16; ++k)
        EXPECT_FALSE(session.view.picShape[k]) << k;

    // The new game plays on normally.
    session.options.DealSpeed = 0;
    ASSERT_TRUE(table.playOneCard());
    EXPECT_TRUE(IsConsistent(session.game));
}

TEST(Pauses, AbortAnsweredYesDuringAPauseClearsTheTable) {
    WindowFixture table;
    Session& session = table.session();
    session.options.DealSpeed = 1;
    table.dialogs().answerWith([](QWidget* box) {
        if (box->windowTitle() == "Abort!")
            DialogAnswerer::pressButton(box, "Yes");
        else
            DialogAnswerer::pressDefault(box);
    });
    DuringPause abort(
        table, [] { return true; }, [&] { table.action("mnuAbort")->trigger(); });
    ReachComputersTurn(table, abort);
    ASSERT_TRUE(abort.done());
    EXPECT_FALSE(session.game.GameInProgress);
    EXPECT_FALSE(table.action("mnuAbort")->isEnabled());
    EXPECT_TRUE(TableIsIdle(table));
    EXPECT_FALSE(table.form().pauses().pausing());
}

TEST(Pauses, OtherCommandsDuringAPauseLetTheTurnGoOn) {
    WindowFixture table;
    Session& session = table.session();
    session.options.DealSpeed = 1;
    DuringPause debug(
        table, [&] { return session.game.TurnSide == ComputerSide; },
        [&] {
            table.action("mnuDebug")->trigger();
            table.action("mnuAbort")->trigger();  // answered No by default
        });
    ReachComputersTurn(table, debug);
    ASSERT_TRUE(debug.done());
    EXPECT_TRUE(session.options.DebugMode);
    EXPECT_TRUE(session.game.GameInProgress);
    EXPECT_TRUE(session.game.PlayerMayAct) << "the computer finished its turn";
    EXPECT_TRUE(IsConsistent(session.game));
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(table.comp(k)->picture(), session.game.CPUHand[k]) << "face up now, slot " << k;
}

TEST(Pauses, ClosingDuringAPauseClosesCleanlyAndSavesTheOptions) {
    WindowFixture table;
    Session& session = table.session();
    table.action("mnuFast")->trigger();
    ASSERT_EQ(session.options.DealSpeed, 1);
    DuringPause close(
        table, [] { return true; }, [&] { table.form().close(); });
    ReachComputersTurn(table, close);
    ASSERT_TRUE(close.done());
    EXPECT_FALSE(table.form().isVisible());
    EXPECT_FALSE(table.form().pauses().pausing());

    QFile ini(table.folder() + "VELMORIA.INI");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[speed]=1\r\n"));

    // The next run starts idle with the saved options.
    table.restart();
    EXPECT_TRUE(table.action("mnuFast")->isChecked());
    EXPECT_TRUE(TableIsIdle(table));
}

}  // namespace
}  // namespace vm::test

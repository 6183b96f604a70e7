// The main window at rest and under single commands: its menus, the deal, pointing and
// clicking, and Abort. The rules behind them are the core's and tested there.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "model/game_state.h"
#include "rules/matching.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

const char* const DebugItems[] = {"mnuSep6", "mnuPlayMatch", "mnuCPUMatch", "mnuSep5",
                                  "mnuDealPile"};

QString LabelText(WindowFixture& table, const char* name) {
    return table.form().findChild<QLabel*>(QString::fromLatin1(name))->text();
}

TEST(Form1, StartsAsAnIdleTableWithEveryMenuItemInItsPlace) {
    WindowFixture table;
    Form1& form = table.form();
    EXPECT_EQ(form.windowTitle(), "Velmoria");
    EXPECT_EQ(form.centralWidget()->size(), QSize(792, 554));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";

    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        bool checkable;
    } items[] = {
        {"mnuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), false},
        {"mnuAbort", "&Abort", QKeySequence(Qt::CTRL | Qt::Key_A), false},
        {"mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X), false},
        {"mnuSuit", "Suit and Scores", {}, true},
        {"mnuDebug", "Debug", {}, true},
        {"mnuFast", "Fast", {}, true},
        {"mnuModerate", "Moderate", {}, true},
        {"mnuSlow", "Slow", {}, true},
        {"mnuSound", "&Sound Effects", QKeySequence(Qt::CTRL | Qt::Key_S), true},
        {"mnuMusic", "&Background Music", QKeySequence(Qt::CTRL | Qt::Key_B), true},
        {"mnuTrack", "Choose &Music...", QKeySequence(Qt::CTRL | Qt::Key_M), false},
        {"mnuSaveOptions", "Save &Options", QKeySequence(Qt::CTRL | Qt::Key_O), false},
        {"mnuHighScores", "&High Scores", QKeySequence(Qt::CTRL | Qt::Key_H), false},
        {"mnuPlayMatch", "Players Matches", {}, false},
        {"mnuCPUMatch", "CPU Matches", {}, false},
        {"mnuDealPile", "Dealing Pile", {}, false},
        {"mnuRules", "Rules", QKeySequence(Qt::Key_F1), false},
        {"mnuAbout", "About", {}, false},
        {"mnuDealSpeed", "Deal Speed", {}, false},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.name);
        QAction* action = table.action(item.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromLatin1(item.caption));
        EXPECT_EQ(action->shortcut(), item.shortcut);
        EXPECT_EQ(action->isCheckable(), item.checkable);
        if (action->isVisible()) {
            EXPECT_EQ(action->isEnabled(), std::string_view(item.name) != "mnuAbort");
        }
    }
    QStringList menus;
    for (QAction* top : form.menuBar()->actions())
        menus << top->text();
    EXPECT_EQ(menus, (QStringList{"File", "Options", "View", "Help"}));
    for (const char* name : DebugItems)
        EXPECT_FALSE(table.action(name)->isVisible()) << name;

    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(LabelText(table, "lblPlayer"), " 0");
    EXPECT_EQ(LabelText(table, "lblCards_2"), "0");
    EXPECT_EQ(LabelText(table, "lblJune"), "June - Botan (Peony)");
    EXPECT_EQ(LabelText(table, "lblApr"), "April -Fuji (Wisteria)");

    EXPECT_EQ(table.place("picHand_10")->geometry(), QRect(200, 468, 45, 73));
    EXPECT_EQ(table.place("picJul_4")->geometry(), QRect(744, 16, 45, 73));

    // The option items act on the options, with their check marks; the rules are the core's.
    table.action("mnuModerate")->trigger();
    EXPECT_EQ(table.session().options.DealSpeed, 2);
    EXPECT_TRUE(table.action("mnuModerate")->isChecked());
    EXPECT_FALSE(table.action("mnuSlow")->isChecked());
}

// Scores of three digits are common; a score label shows the longest, sign and all, whole and
// clear of the turn counter beside it.
TEST(Form1, ScoreLabelsShowThreeDigitScoresWhole) {
    WindowFixture table;
    const auto label = [&table](const char* name) {
        return table.form().findChild<QLabel*>(QString::fromLatin1(name));
    };
    for (const char* score : {" 110", " 999", "-999"}) {
        table.session().view.lblPlayer = table.session().view.lblCPU = score;
        table.form().renderView();
        for (const char* name : {"lblPlayer", "lblCPU"}) {
            const QLabel* shown = label(name);
            const QFontMetrics metrics = shown->fontMetrics();
            EXPECT_EQ(shown->text(), score) << name;
            EXPECT_LE(
                std::max(metrics.horizontalAdvance(score), metrics.boundingRect(score).right() + 1),
                shown->contentsRect().width())
                << name << " showing " << score;
        }
    }
    EXPECT_FALSE(label("lblPlayer")->geometry().intersects(label("lblCards_1")->geometry()));
    EXPECT_FALSE(label("lblCPU")->geometry().intersects(label("lblCards_2")->geometry()));
}

TEST(Form1, NewDealsTenEightTenWithTheComputersCardsFaceDownOrFaceUpInDebug) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug ? "debug" : "plain");
        WindowFixture table;
        Session& session = table.session();
        if (debug)
            table.action("mnuDebug")->trigger();
        EXPECT_EQ(session.options.DebugMode, debug);
        EXPECT_EQ(table.action("mnuDebug")->isChecked(), debug);
        for (const char* name : DebugItems)
            EXPECT_EQ(table.action(name)->isVisible(), debug) << name;
        table.action("mnuNew")->trigger();
        EXPECT_TRUE(table.action("mnuAbort")->isEnabled());
        ASSERT_TRUE(session.game.PlayerMayAct);

        // Whoever moved first, the human is now to play with a full hand.
        const int compCards = table.visibleCount("picComp", 10);
        EXPECT_EQ(table.visibleCount("picHand", 10), 10);
        EXPECT_TRUE(compCards == 10 || compCards == 9) << compCards;
        if (compCards == 10) {
            EXPECT_EQ(table.visibleCount("picDesk", 16), 8);
        }
        for (int k = 1; k <= 10; ++k) {
            EXPECT_EQ(table.hand(k)->picture(), session.game.PlayerHand[k]) << k;
            if (!table.comp(k)->isVisible())
                continue;
            EXPECT_EQ(table.comp(k)->picture(),
                      debug ? session.game.CPUHand[k] : session.options.CardBackFile)
                << k;
            EXPECT_FALSE(table.comp(k)->acceptsClicks());
        }
    }
}

TEST(Form1, PointingMarksACardAndExactlyItsMatchesAndAClickPlaysIt) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    Session& session = table.session();
    ASSERT_TRUE(session.game.PlayerMayAct);
    // Pointing passes the place to the core, and the window shows the marks it decides.
    WindowFixture::hover(table.hand(1));
    EXPECT_EQ(session.game.SelectedHandSlot, 1);
    for (int d = 1; d <= 16; ++d) {
        EXPECT_EQ(table.desk(d)->acceptsClicks(), session.view.picDesk[d].Enabled) << d;
        EXPECT_EQ(session.view.picShape[d],
                  table.desk(d)->isVisible() &&
                      Month(session.game.Desk[d]) == Month(session.game.PlayerHand[1]))
            << d;
    }

    const int pileBefore = session.game.PilePosition;
    ASSERT_TRUE(table.playOneCard());
    EXPECT_EQ(session.game.PilePosition, pileBefore + 2) << "one draw for each side";
    EXPECT_TRUE(session.game.PlayerMayAct);
    EXPECT_EQ(table.visibleCount("picHand", 10), session.game.HandCount[1]);
    EXPECT_TRUE(IsConsistent(session.game));
}

TEST(Form1, ATwoMatchCardWaitsForAClickOnAMarkedDeskCard) {
    // Deal until the human holds a card whose month lies twice on the desk.
    WindowFixture table;
    Session& session = table.session();
    int twoMatch = 0;
    for (int attempt = 0; attempt < 200 && twoMatch == 0; ++attempt) {
        session.game.Rng = Random(1000 + attempt);
        table.action("mnuNew")->trigger();
        for (int k = 1; k <= 10 && twoMatch == 0; ++k) {
            if (session.game.PlayerMayAct && !session.game.PlayerHand[k].empty() &&
                FindDeskMatches(session.game, Month(session.game.PlayerHand[k])) == 2)
                twoMatch = k;
        }
    }
    ASSERT_NE(twoMatch, 0);
    const int pile = session.game.PilePosition;
    WindowFixture::hover(table.hand(twoMatch));
    WindowFixture::click(table.hand(twoMatch));
    EXPECT_EQ(session.game.PilePosition, pile) << "nothing happens before the desk click";
    EXPECT_TRUE(session.game.PlayerMayAct);

    int chosen = 0, unmarked = 0;
    for (int d = 1; d <= 16; ++d) {
        if (!table.desk(d)->isVisible())
            continue;
        int& which = table.desk(d)->acceptsClicks() ? chosen : unmarked;
        which = which ? which : d;
    }
    ASSERT_NE(chosen, 0);
    ASSERT_NE(unmarked, 0);
    WindowFixture::click(table.desk(unmarked));
    EXPECT_EQ(session.game.PilePosition, pile) << "a place that takes no clicks ignores them";
    const std::string taken = session.game.Desk[chosen];
    WindowFixture::click(table.desk(chosen));
    EXPECT_EQ(session.game.PilePosition, pile + 2);
    EXPECT_EQ(session.game.CapturedPiles[1][Month(taken)][MonthRank(session.game.CardTable, taken)],
              taken);
}

TEST(Form1, AbortAsksWithNoAsTheDefaultAndYesClearsTheTable) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    Session& session = table.session();
    const TableView dealt = session.view;
    table.dialogs().clearSeen();  // a deal may have announced something
    table.dialogs().answerWith([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Abort Game?");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                  box->button(QMessageBox::No));
        DialogAnswerer::pressDefault(dialog);
    });
    table.action("mnuAbort")->trigger();
    ASSERT_EQ(table.dialogs().seen(), QStringList{"Abort!"});
    EXPECT_EQ(session.view, dealt) << "No leaves everything";
    EXPECT_TRUE(session.game.GameInProgress);

    table.dialogs().answerWith([](QWidget* box) { DialogAnswerer::pressButton(box, "Yes"); });
    table.action("mnuAbort")->trigger();
    ASSERT_EQ(table.dialogs().seen(), (QStringList{"Abort!", "Abort!"}));
    EXPECT_FALSE(session.game.GameInProgress);
    EXPECT_FALSE(table.action("mnuAbort")->isEnabled());
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(LabelText(table, "lblCards_1"), "0");
}

}  // namespace
}  // namespace vm::test

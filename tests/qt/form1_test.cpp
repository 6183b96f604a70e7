// The main window at rest and under single commands: its menus, the deal, pointing and
// clicking, and Abort.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "game/game_state.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

struct Item {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool checkable;
};

TEST(Form1, StartsAsAnIdleTableWithEveryMenuItemInItsPlace) {
    WindowFixture table;
    Form1& form = table.form();
    EXPECT_EQ(form.windowTitle(), "Velmoria");
    EXPECT_EQ(form.centralWidget()->size(), QSize(792, 554));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";

    const Item items[] = {
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
    };
    for (const Item& item : items) {
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

    const QStringList menus = {"File", "Options", "View", "Help"};
    QStringList shown;
    for (QAction* top : form.menuBar()->actions())
        shown << top->text();
    EXPECT_EQ(shown, menus);
    auto* speed = form.findChild<QMenu*>(QStringLiteral("mnuDealSpeed"));
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->title(), "Deal Speed");
    EXPECT_EQ(speed->actions().size(), 3);

    // Exactly one deal speed ticked; the options decide which.
    const int ticked = int(table.action("mnuFast")->isChecked()) +
                       int(table.action("mnuModerate")->isChecked()) +
                       int(table.action("mnuSlow")->isChecked());
    EXPECT_EQ(ticked, 1);

    // Without debug mode the View menu shows High Scores alone.
    for (const char* name : {"mnuSep6", "mnuPlayMatch", "mnuCPUMatch", "mnuSep5", "mnuDealPile"})
        EXPECT_FALSE(table.action(name)->isVisible()) << name;
    EXPECT_TRUE(table.action("mnuHighScores")->isVisible());

    EXPECT_EQ(table.visibleCount("picHand", 10) + table.visibleCount("picComp", 10) +
                  table.visibleCount("picDesk", 16) + table.visibleCount("picPile", 2),
              0);
    EXPECT_EQ(form.findChild<QLabel*>("lblPlayer")->text(), " 0");
    EXPECT_EQ(form.findChild<QLabel*>("lblCards_2")->text(), "0");
    EXPECT_EQ(form.findChild<QLabel*>("lblJune")->text(), "June - Botan (Peony)");
    EXPECT_EQ(form.findChild<QLabel*>("lblApr")->text(), "April -Fuji (Wisteria)");
}

TEST(Form1, PlacesStandWhereTheTableWasDesigned) {
    WindowFixture table;
    EXPECT_EQ(table.hand(1)->geometry(), QRect(8, 384, 45, 73));
    EXPECT_EQ(table.hand(10)->geometry(), QRect(200, 468, 45, 73));
    EXPECT_EQ(table.comp(6)->geometry(), QRect(8, 92, 45, 73));
    EXPECT_EQ(table.desk(16)->geometry(), QRect(344, 280, 45, 73));
    EXPECT_EQ(table.place("picPile_2")->geometry(), QRect(344, 92, 45, 73));
    EXPECT_EQ(table.place("picJul_4")->geometry(), QRect(744, 16, 45, 73));
    EXPECT_EQ(table.place("picJun_1")->geometry(), QRect(404, 456, 45, 73));
}

TEST(Form1, NewDealsTenEightTenWithTheComputersCardsFaceDown) {
    WindowFixture table;
    table.session().options.DealSpeed = 0;
    table.action("mnuNew")->trigger();
    Session& session = table.session();
    EXPECT_TRUE(session.game.GameInProgress);
    EXPECT_TRUE(table.action("mnuAbort")->isEnabled());
    EXPECT_TRUE(IsConsistent(session.game));

    // Whoever moved first, the human is now to play with a full or nearly full table.
    ASSERT_TRUE(session.game.PlayerMayAct);
    const int handCards = table.visibleCount("picHand", 10);
    const int compCards = table.visibleCount("picComp", 10);
    EXPECT_EQ(handCards, 10);
    EXPECT_TRUE(compCards == 10 || compCards == 9) << compCards;
    for (int k = 1; k <= 10; ++k) {
        if (!table.comp(k)->isVisible())
            continue;
        EXPECT_EQ(table.comp(k)->picture(), session.options.CardBackFile);
        EXPECT_FALSE(table.comp(k)->acceptsClicks());
    }
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(table.hand(k)->picture(), session.game.PlayerHand[k]) << k;
    if (compCards == 10) {
        EXPECT_EQ(table.visibleCount("picDesk", 16), 8);
    }
}

TEST(Form1, DebugModeShowsItsViewItemsAndTheComputersCardsFaceUp) {
    WindowFixture table;
    table.action("mnuDebug")->trigger();
    EXPECT_TRUE(table.action("mnuDebug")->isChecked());
    for (const char* name : {"mnuSep6", "mnuPlayMatch", "mnuCPUMatch", "mnuSep5", "mnuDealPile"})
        EXPECT_TRUE(table.action(name)->isVisible()) << name;
    table.action("mnuNew")->trigger();
    for (int k = 1; k <= 10; ++k) {
        if (table.comp(k)->isVisible()) {
            EXPECT_EQ(table.comp(k)->picture(), table.session().game.CPUHand[k]) << k;
        }
    }
}

TEST(Form1, PointingMarksACardAndExactlyItsMatches) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    Session& session = table.session();
    ASSERT_TRUE(session.game.PlayerMayAct);
    for (int k = 1; k <= 10; ++k) {
        if (!table.hand(k)->isVisible())
            continue;
        WindowFixture::hover(table.hand(k));
        EXPECT_EQ(session.game.SelectedHandSlot, k);
        EXPECT_TRUE(session.view.picHandShape[k]);
        int marked = 0;
        for (int d = 1; d <= 16; ++d) {
            const bool match = table.desk(d)->isVisible() &&
                               Month(session.game.Desk[d]) == Month(session.game.PlayerHand[k]);
            EXPECT_EQ(session.view.picShape[d], match) << "desk " << d;
            EXPECT_EQ(table.desk(d)->acceptsClicks(), match) << "desk " << d;
            marked += match;
        }
        EXPECT_EQ(session.game.MatchPending, marked > 0);
    }
}

TEST(Form1, AClickPlaysTheCardAndTheTurnComesBack) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    Session& session = table.session();
    const int pileBefore = session.game.PilePosition;
    ASSERT_TRUE(table.playOneCard());
    EXPECT_EQ(session.game.PilePosition, pileBefore + 2) << "one draw for each side";
    EXPECT_TRUE(session.game.PlayerMayAct);
    EXPECT_EQ(table.visibleCount("picHand", 10), session.game.HandCount[1]);
    EXPECT_TRUE(IsConsistent(session.game));
}

TEST(Form1, ADisabledPlaceIgnoresClicks) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    Session& session = table.session();
    int lonely = 0;  // a hand card without a desk match
    for (int k = 1; k <= 10 && lonely == 0; ++k) {
        WindowFixture::hover(table.hand(k));
        if (!session.game.MatchPending)
            lonely = k;
    }
    if (lonely == 0)
        GTEST_SKIP() << "every hand card has a match in this deal";
    const Game before = session.game;
    for (int d = 1; d <= 16; ++d)
        if (table.desk(d)->isVisible())
            WindowFixture::click(table.desk(d));
    EXPECT_EQ(session.game.PilePosition, before.PilePosition);
    EXPECT_EQ(session.game.Desk, before.Desk);
}

TEST(Form1, ATwoMatchCardWaitsForTheDeskClick) {
    // Deal until the human holds a card whose month lies twice on the desk.
    WindowFixture table;
    Session& session = table.session();
    int twoMatch = 0;
    for (int attempt = 0; attempt < 200 && twoMatch == 0; ++attempt) {
        session.game.Rng = Random(1000 + attempt);
        table.action("mnuNew")->trigger();
        for (int k = 1; k <= 10 && twoMatch == 0; ++k) {
            if (!session.game.PlayerMayAct || session.game.PlayerHand[k].empty())
                continue;
            if (CountDeskMonth(session.game, Month(session.game.PlayerHand[k])) == 2)
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
        if (table.desk(d)->acceptsClicks())
            chosen = chosen ? chosen : d;
        else
            unmarked = unmarked ? unmarked : d;
    }
    ASSERT_NE(chosen, 0);
    if (unmarked != 0) {
        WindowFixture::click(table.desk(unmarked));
        EXPECT_EQ(session.game.PilePosition, pile);
    }
    const std::string taken = session.game.Desk[chosen];
    WindowFixture::click(table.desk(chosen));
    EXPECT_EQ(session.game.PilePosition, pile + 2);
    EXPECT_EQ(session.game.CapturedPiles[1][Month(taken)][MonthRank(session.game.CardTable, taken)],
              taken);
}

TEST(Form1, AbortAnsweredNoLeavesTheGameAndYesClearsTheTable) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    Session& session = table.session();
    const Game dealt = session.game;
    const TableView shown = session.view;
    table.dialogs().clearSeen();
    table.dialogs().answerWith([](QWidget* box) { DialogAnswerer::pressButton(box, "No"); });
    table.action("mnuAbort")->trigger();
    ASSERT_EQ(table.dialogs().seen(), QStringList{"Abort!"});
    EXPECT_EQ(session.view, shown);
    EXPECT_EQ(session.game.PlayerHand, dealt.PlayerHand);
    EXPECT_TRUE(session.game.GameInProgress);
    table.dialogs().answerWith([](QWidget* box) { DialogAnswerer::pressButton(box, "Yes"); });
    table.action("mnuAbort")->trigger();
    ASSERT_EQ(table.dialogs().seen(), (QStringList{"Abort!", "Abort!"}));
    EXPECT_FALSE(session.game.GameInProgress);
    EXPECT_FALSE(table.action("mnuAbort")->isEnabled());
    EXPECT_EQ(table.visibleCount("picHand", 10) + table.visibleCount("picComp", 10) +
                  table.visibleCount("picDesk", 16),
              0);
    EXPECT_EQ(table.form().findChild<QLabel*>("lblCards_1")->text(), "0");
}

TEST(Form1, TheAbortQuestionIsCriticalWithNoAsItsDefault) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    QString text;
    bool critical = false, noIsDefault = false;
    table.dialogs().answerWith([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        text = box->text();
        critical = box->icon() == QMessageBox::Critical;
        noIsDefault =
            static_cast<QAbstractButton*>(box->defaultButton()) == box->button(QMessageBox::No);
        DialogAnswerer::pressDefault(dialog);
    });
    table.action("mnuAbort")->trigger();
    EXPECT_EQ(text, "Abort Game?");
    EXPECT_TRUE(critical);
    EXPECT_TRUE(noIsDefault);
    EXPECT_TRUE(table.session().game.GameInProgress) << "the default answer keeps the game";
}

TEST(Form1, CapturedViewsAndThePileAnswerOnlyDuringAGame) {
    WindowFixture table;
    table.action("mnuDebug")->trigger();
    DialogAnswerer& answer = table.dialogs();
    table.action("mnuCPUMatch")->trigger();
    table.action("mnuDealPile")->trigger();
    EXPECT_TRUE(answer.seen().isEmpty());
    EXPECT_EQ(table.visibleCount("picJan", 4), 0);

    table.action("mnuNew")->trigger();
    answer.clearSeen();
    table.action("mnuDealPile")->trigger();
    EXPECT_EQ(answer.seen(), QStringList{"Pile"});
}

}  // namespace
}  // namespace vm::test

namespace vm::test {
namespace {

TEST(Form1, OptionItemsChangeTheirCheckMarkAndTheOptionTogether) {
    WindowFixture table;
    GameOptions& options = table.session().options;
    table.action("mnuModerate")->trigger();
    EXPECT_EQ(options.DealSpeed, 2);
    EXPECT_TRUE(table.action("mnuModerate")->isChecked());
    EXPECT_FALSE(table.action("mnuFast")->isChecked());
    EXPECT_FALSE(table.action("mnuSlow")->isChecked());
    table.action("mnuModerate")->trigger();
    EXPECT_TRUE(table.action("mnuModerate")->isChecked()) << "a deal speed stays chosen";

    for (const char* name : {"mnuSuit", "mnuSound", "mnuDebug"}) {
        const bool before = table.action(name)->isChecked();
        table.action(name)->trigger();
        EXPECT_NE(table.action(name)->isChecked(), before) << name;
    }
    EXPECT_EQ(options.ShowSuitsAndScores, table.action("mnuSuit")->isChecked());
    EXPECT_EQ(options.SoundEffectsOn, table.action("mnuSound")->isChecked());
    EXPECT_EQ(options.DebugMode, table.action("mnuDebug")->isChecked());
}

}  // namespace
}  // namespace vm::test

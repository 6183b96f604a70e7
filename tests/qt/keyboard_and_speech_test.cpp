// The window played by keys alone, and the table as a screen reader reads it. What the keys
// do and what is said is the core's and tested there; here the window passes it on.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTextBrowser>

#include "game/spoken_names.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The focus comes back to the table once the window system has caught up with the dialogs.
bool TableHasFocus(WindowFixture& table) {
    return QTest::qWaitFor(
        [&] { return QApplication::focusWidget() == table.form().centralWidget(); });
}

QAccessibleInterface* Speech(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

TEST(KeyboardPlay, AWholeGameFromCtrlNToTheHighScoresByKeysAlone) {
    WindowFixture table;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table.form()));
    bool helpBesideScoreboard = false;
    // Keys go where the player's would: to the focus of the active window.
    table.dialogs().answerWith([&](QWidget* dialog) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
        if (dialog->windowTitle() == "Velmoria Scoreboard") {
            Press(Qt::Key_F1);
            auto* help = table.form().findChild<QTextBrowser*>("helpViewer");
            helpBesideScoreboard = help && help->isVisible() && dialog->isVisible();
            for (CardWidget* card : dialog->findChildren<CardWidget*>()) {
                if (card->isVisibleTo(dialog)) {
                    EXPECT_FALSE(Speech(card)->text(QAccessible::Name).isEmpty());
                }
            }
        }
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);  // the rules may have it now
    });
    ASSERT_TRUE(TableHasFocus(table));
    Press(Qt::Key_N, Qt::ControlModifier);
    for (int turn = 1; turn <= 10 && table.session().game.GameInProgress; ++turn) {
        SCOPED_TRACE(turn);
        ASSERT_TRUE(TableHasFocus(table));
        ASSERT_TRUE(table.session().game.PlayerMayAct);
        Press(Qt::Key_Left);
        EXPECT_TRUE(table.session().view.picHandShape[table.session().game.HandCount[1]]);
        Press(Qt::Key_Return);
        if (table.session().view.ChosenDeskSlot > 0) {
            Press(Qt::Key_Right);
            Press(Qt::Key_Space);
        }
    }
    EXPECT_FALSE(table.session().game.GameInProgress);
    EXPECT_TRUE(table.dialogs().seen().contains("Velmoria Scoreboard"));
    EXPECT_EQ(table.dialogs().seen().last(), "High Score Table");
    EXPECT_TRUE(helpBesideScoreboard);
    // The rules outlive the dialog they were opened from.
    auto* help = table.form().findChild<QTextBrowser*>("helpViewer");
    EXPECT_TRUE(help && help->parentWidget() == &table.form() && help->isVisible());
}

TEST(TableSpeech, TheDealtTableReadsItsCardsPlacesStatesAndLabelsThroughQAccessible) {
    WindowFixture table;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table.form()));
    table.form().menu().mnuNew->trigger();
    const Game& game = table.session().game;
    const int cards = game.HandCount[1];
    QAccessibleInterface* first = Speech(table.hand(1));
    EXPECT_EQ(first->role(), QAccessible::ListItem);
    EXPECT_EQ(first->text(QAccessible::Name).toStdString(), SpokenCardName(game.PlayerHand[1]));
    EXPECT_EQ(first->text(QAccessible::Description), QString("your hand, card 1 of %1").arg(cards));
    EXPECT_EQ(Speech(table.comp(1))->text(QAccessible::Name), "face-down card");
    EXPECT_EQ(Speech(table.comp(1))->role(), QAccessible::Graphic);
    EXPECT_TRUE(Speech(table.desk(16))->state().invisible);
    EXPECT_EQ(Speech(table.form().findChild<QLabel*>("lblPlayer"))->text(QAccessible::Name),
              "your score, " + QString::number(game.PlayerScore));
    EXPECT_EQ(Speech(table.form().findChild<QLabel*>("lblCPU"))->text(QAccessible::Name),
              "computer's score, " + QString::number(game.CPUScore));
    EXPECT_EQ(Speech(table.form().findChild<QLabel*>("lblCards_1"))->text(QAccessible::Name),
              "your turns left, 10");

    ASSERT_TRUE(TableHasFocus(table));
    Press(Qt::Key_Right);
    EXPECT_TRUE(first->state().selected && first->state().focused);
    for (int d = 1; d <= 16; ++d)
        EXPECT_EQ(Speech(table.desk(d))->state().checked, table.session().view.picShape[d]) << d;
}

}  // namespace
}  // namespace vm::test

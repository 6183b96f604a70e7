// The window played by keys alone, and the table as a screen reader reads it. What the keys
// do and what is said is the core's and tested there; here the window passes it on.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTextBrowser>

#include "model/spoken_names.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

TEST(KeyboardPlay, AWholeGameFromCtrlNToTheHighScoresByKeysAloneWithTheRulesBesideADialog) {
    WindowFixture table;
    QWidget* tableWidget = table.form().centralWidget();
    QPointer<QTextBrowser> rules;
    table.dialogs().answerWith([&](QWidget* dialog) {
        if (dialog->windowTitle() != "Velmoria Scoreboard")
            return Press(dialog, Qt::Key_Return);
        // The table shows the final scores the scoreboard totals, e.g. " 35" of "Loser  35".
        EXPECT_TRUE(LabelText(dialog, "lblPlayerTotal").endsWith(table.label("lblPlayer")));
        EXPECT_TRUE(LabelText(dialog, "lblCPUTotal").startsWith(table.label("lblCPU")));
        Press(dialog, Qt::Key_F1);
        rules = table.form().findChild<QTextBrowser*>();
        EXPECT_TRUE(rules && rules->isVisible() && dialog->isVisible());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);  // the rules have the focus
    });
    Press(tableWidget, Qt::CTRL | Qt::Key_N);
    for (int turn = 1; turn <= 10 && table.session().game.GameInProgress; ++turn) {
        Press(tableWidget, Qt::Key_Left);
        Press(tableWidget, Qt::Key_Return);
        if (table.session().view.ChosenDeskSlot > 0)
            Press(tableWidget, Qt::Key_Space);
    }
    ASSERT_FALSE(table.session().game.GameInProgress);
    EXPECT_EQ(table.dialogs().seen().last(), "High Score Table");
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_TRUE(rules && rules->parentWidget() == &table.form());  // they outlive the dialog
}

TEST(TableSpeech, TheDealtTableReadsItsCardsPlacesStatesAndLabelsThroughQAccessible) {
    WindowFixture table;
    table.form().menu().mnuNew->trigger();
    Press(table.form().centralWidget(), Qt::Key_Right);
    const Game& game = table.session().game;
    const auto speech = [&](const QString& name) {
        return QAccessible::queryAccessibleInterface(table.form().findChild<QWidget*>(name));
    };
    QAccessibleInterface* first = speech("picHand_1");
    EXPECT_EQ(first->role(), QAccessible::ListItem);
    EXPECT_EQ(first->text(QAccessible::Name).toStdString(), SpokenCardName(game.PlayerHand[1]));
    EXPECT_EQ(first->text(QAccessible::Description),
              QString("your hand, card 1 of %1").arg(game.HandCount[1]));
    EXPECT_TRUE(first->state().selected && first->state().focused);
    for (int d = 1; d <= 16; ++d)
        EXPECT_EQ(speech(QString("picDesk_%1").arg(d))->state().checked,
                  table.session().view.picShape[d]);
    EXPECT_TRUE(speech("picDesk_16")->state().invisible);
    EXPECT_EQ(speech("picComp_1")->text(QAccessible::Name), "face-down card");
    EXPECT_EQ(speech("lblPlayer")->text(QAccessible::Name),
              "your score, " + QString::number(game.PlayerScore));
    EXPECT_EQ(speech("lblCards_1")->text(QAccessible::Name), "your turns left, 10");
}

}  // namespace
}  // namespace vm::test

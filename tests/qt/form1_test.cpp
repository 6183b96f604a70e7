// The main window: its menus and their keys, the table as the core's view has it, pointing,
// clicking and keys passed in, Abort, how cards are drawn, and the table as a screen reader
// reads it. The rules behind them are the core's and tested there.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QFontMetrics>
#include <QTextBrowser>
#include <algorithm>

#include "model/spoken_names.h"
#include "records/data_file.h"
#include "window_fixture.h"

// The core's table layouts name variables `slots`, which Qt's keyword of that name would erase.
#undef slots
#include "tests/support/fixed_table.h"

namespace vm::test {
namespace {

// The window starts idle, fixed in size, with the core's month captions. Scores of three
// digits are common; a score label shows the longest, sign and all, whole and clear of the
// turn counter beside it.
TEST(Form1, StartsIdleWithScoreLabelsForThreeDigitsAndMenuKeysThatDoWhatTheirItemsDo) {
    WindowFixture table;
    Form1& form = table.form();
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(table.label("lblJune"), "June - Botan (Peony)");
    for (const char* score : {" 110", " 999", "-999"}) {
        table.session().view.lblPlayer = table.session().view.lblCPU = score;
        form.renderView();
        for (const auto& [name, turns] :
             {std::pair{"lblPlayer", "lblCards_1"}, {"lblCPU", "lblCards_2"}}) {
            const QLabel* shown = Child<QLabel>(&form, name);
            const QFontMetrics metrics = shown->fontMetrics();
            EXPECT_EQ(shown->text(), score) << name;
            EXPECT_LE(
                std::max(metrics.horizontalAdvance(score), metrics.boundingRect(score).right() + 1),
                shown->contentsRect().width())
                << name << " showing " << score;
            EXPECT_FALSE(shown->geometry().intersects(Child<QLabel>(&form, turns)->geometry()));
        }
    }

    // With the rules gone, F1 says so in a notice. Every key opens its dialog, answered
    // with its default button, or flips its item's mark, or saves the options.
    ASSERT_TRUE(QFile::remove(table.folder() + "VELMORIA.HLP"));
    Press(&form, Qt::CTRL | Qt::Key_N);
    table.action("mnuModerate")->trigger();
    // A key, the dialog it opens or the item whose mark it flips.
    const std::tuple<QKeyCombination, const char*, const char*> keys[] = {
        {Qt::CTRL | Qt::Key_A, "Abort!", nullptr},
        {Qt::CTRL | Qt::Key_H, "High Score Table", nullptr},
        {Qt::CTRL | Qt::Key_M, "Background Music", nullptr},
        {Qt::Key_F1, "Velmoria", nullptr},
        {Qt::CTRL | Qt::Key_S, nullptr, "mnuSound"},
        {Qt::CTRL | Qt::Key_B, nullptr, "mnuMusic"},
        {Qt::CTRL | Qt::Key_O, nullptr, nullptr}};
    for (const auto& [key, dialog, item] : keys) {
        table.clearSeen();
        const bool marked = item && table.action(item)->isChecked();
        Press(&form, key);
        EXPECT_EQ(table.seen(), dialog ? QStringList{dialog} : QStringList{});
        EXPECT_TRUE(!item || table.action(item)->isChecked() != marked) << item;
    }
    EXPECT_TRUE(table.session().game.GameInProgress) << "Abort answered No";
    EXPECT_THAT(ReadFileBytes(table.folder().toStdString() + "VELMORIA.INI"),
                testing::Optional(testing::HasSubstr("[speed]=2\r\n")));
    Press(&form, Qt::CTRL | Qt::Key_X);
    EXPECT_FALSE(form.isVisible());
}

// The window shows every place as the core's view has it and passes pointing and clicks in: a
// card with one match is played by its click; one whose month lies twice on the desk waits for
// a click on one of the two it marks. Abort asks, No being the default, and Yes clears the
// table.
TEST(Form1, ShowsTheCoresViewTakesPointingAndClicksAndAsksBeforeAnAbort) {
    WindowFixture table;
    Session& session = table.session();
    const Game& game = session.game;
    EXPECT_FALSE(table.action("mnuDealPile")->isVisible());
    table.action("mnuDebug")->trigger();
    for (const char* name : {"mnuSep6", "mnuPlayMatch", "mnuCPUMatch", "mnuSep5", "mnuDealPile"})
        EXPECT_TRUE(table.action(name)->isVisible()) << name;
    // Neither the computer's discard nor the pile's first two cards take a March card.
    SetUpTable(session, {.player = Split("feb_0 mar_0"),
                         .cpu = Split("nov_0 nov_1"),
                         .desk = Split("feb_1 mar_1 mar_5 apr_0"),
                         .pile = Split("dec_0 dec_5")});
    NextTurn(session);
    table.form().renderView();
    table.playOneCard();  // feb_0, which has one match
    WindowFixture::hover(table.hand(1));
    WindowFixture::click(table.hand(1));
    ASSERT_TRUE(game.MatchPending);
    const auto shows = [](CardWidget* place, const CardPlace& shown) {
        return place->isVisible() == shown.Visible && place->acceptsClicks() == shown.Enabled &&
               place->picture() == shown.Picture;
    };
    for (int k = 1; k <= 16; ++k) {
        EXPECT_TRUE(shows(table.desk(k), session.view.picDesk[k])) << k;
        EXPECT_TRUE(k > 10 || (shows(table.hand(k), session.view.picHand[k]) &&
                               shows(table.comp(k), session.view.picComp[k])))
            << k;
    }
    const int chosen = game.DeskMatchSlots[1];
    const CardName taken = game.Desk[chosen];
    WindowFixture::click(table.desk(chosen));
    EXPECT_EQ(game.CapturedPiles[HumanSide][3][MonthRank(game.CardTable, taken)], taken);

    table.clearSeen();  // the computer's turns, shown in Debug
    table.answerWith([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Abort Game?");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                  box->button(QMessageBox::No));
        DialogAnswerer::pressButton(box, "Yes");
    });
    table.action("mnuAbort")->trigger();
    ASSERT_EQ(table.seen(), QStringList{"Abort!"});
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(table.label("lblCards_1"), "0");
}

// A 2x screen gets every device pixel of a picture, not a blown-up half; a place whose picture
// is missing shows an empty outline.
TEST(Form1, ACardIsDrawnAtTheDevicePixelsOfA2xScreenAndAMissingOneAsAnOutline) {
    WindowFixture table;
    QImage card(90, 146, QImage::Format_RGB32);
    card.fill(Qt::red);
    ASSERT_TRUE(card.save(table.folder() + "red_card.bmp"));
    const QPixmap sharp = CardPixmaps(table.folder()).pixmap("red_card.bmp", {45, 73}, 2.0);
    EXPECT_EQ(sharp.size(), QSize(90, 146));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    CardWidget* place = table.place("picJan_1");
    place->setPicture("red_card.bmp");
    place->show();
    QImage shot = place->grab().toImage();
    EXPECT_EQ(shot.pixelColor(22, 36), QColor(Qt::red));
    place->setPicture("gone.bmp");
    shot = place->grab().toImage();
    EXPECT_NE(shot.pixelColor(0, 36), shot.pixelColor(22, 36)) << "the edge is drawn";
    EXPECT_NE(shot.pixelColor(22, 36), QColor(Qt::red)) << "the inside stays empty";
}

// A whole game by keys alone, read through QAccessible as a screen reader reads it, with the
// rules opened beside the scoreboard. What the keys do and what is said is the core's; here
// the window passes it on.
TEST(Form1, AWholeGameByKeysAloneToTheHighScoresAsAScreenReaderReadsIt) {
    WindowFixture table;
    QWidget* tableWidget = table.form().centralWidget();
    const Game& game = table.session().game;
    QPointer<QTextBrowser> rules;
    table.answerWith([&](QWidget* dialog) {
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
    Press(tableWidget, Qt::Key_Right);
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

    for (int turn = 1; turn <= 10 && game.GameInProgress; ++turn) {
        Press(tableWidget, Qt::Key_Left);
        Press(tableWidget, Qt::Key_Return);
        if (table.session().view.ChosenDeskSlot > 0)
            Press(tableWidget, Qt::Key_Space);
    }
    ASSERT_TRUE(table.tableIsIdle());  // the game is over, so the scoreboard has been shown
    EXPECT_EQ(table.seen().last(), "High Score Table");
    EXPECT_TRUE(rules && rules->parentWidget() == &table.form());  // they outlive the dialog
}

}  // namespace
}  // namespace vm::test

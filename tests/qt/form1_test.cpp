// The main window at rest and under single commands: its menus and their keys, the deal,
// pointing and clicking, Abort, and how cards are drawn. The rules behind them are the
// core's and tested there.

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPainter>
#include <QTextBrowser>
#include <algorithm>

#include "rules/matching.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

const char* const DebugItems[] = {"mnuSep6", "mnuPlayMatch", "mnuCPUMatch", "mnuSep5",
                                  "mnuDealPile"};

TEST(Form1, StartsIdleUnderItsFourMenusWhoseKeysDoWhatTheirItemsDo) {
    WindowFixture table;
    Form1& form = table.form();
    EXPECT_EQ(form.windowTitle(), "Velmoria");
    EXPECT_EQ(form.centralWidget()->size(), QSize(792, 554));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";
    QStringList menus;
    for (QAction* top : form.menuBar()->actions())
        menus << top->text();
    EXPECT_EQ(menus, (QStringList{"File", "Options", "View", "Help"}));
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(table.label("lblJune"), "June - Botan (Peony)");
    EXPECT_EQ(table.place("picHand_10")->geometry(), QRect(200, 468, 45, 73));
    EXPECT_EQ(table.place("picJul_4")->geometry(), QRect(744, 16, 45, 73));

    Press(&form, Qt::CTRL | Qt::Key_N);
    EXPECT_TRUE(table.session().game.GameInProgress);
    // Each key opens its dialog, answered with its default button, or flips its item's mark.
    const struct {
        QKeyCombination key;
        const char* dialog;
        const char* item;
    } keys[] = {{Qt::CTRL | Qt::Key_A, "Abort!", nullptr},
                {Qt::CTRL | Qt::Key_H, "High Score Table", nullptr},
                {Qt::CTRL | Qt::Key_M, "Background Music", nullptr},
                {Qt::CTRL | Qt::Key_S, nullptr, "mnuSound"},
                {Qt::CTRL | Qt::Key_B, nullptr, "mnuMusic"}};
    for (const auto& [key, dialog, item] : keys) {
        table.dialogs().clearSeen();
        const bool marked = item && table.action(item)->isChecked();
        Press(&form, key);
        EXPECT_EQ(table.dialogs().seen(), dialog ? QStringList{dialog} : QStringList{});
        if (item) {
            EXPECT_NE(table.action(item)->isChecked(), marked) << item;
        }
    }
    EXPECT_TRUE(table.session().game.GameInProgress) << "Abort answered No";
    table.action("mnuModerate")->trigger();
    EXPECT_TRUE(table.action("mnuModerate")->isChecked());
    EXPECT_FALSE(table.action("mnuSlow")->isChecked());
    Press(&form, Qt::CTRL | Qt::Key_O);
    QFile ini(table.folder() + "VELMORIA.INI");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[speed]=2\r\n"));

    // The rules open beside the game, or a notice says they are missing.
    const QString rules = table.folder() + "VELMORIA.HLP";
    ASSERT_TRUE(QFile::rename(rules, rules + ".away"));
    table.dialogs().clearSeen();
    Press(&form, Qt::Key_F1);
    EXPECT_EQ(table.dialogs().seen().size(), 1) << "a notice, not a crash";
    EXPECT_EQ(form.findChild<QTextBrowser*>("helpViewer"), nullptr);
    ASSERT_TRUE(QFile::rename(rules + ".away", rules));
    Press(&form, Qt::Key_F1);
    auto* viewer = form.findChild<QTextBrowser*>("helpViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->toPlainText().contains("Contents"));
    viewer->close();
    Press(&form, Qt::CTRL | Qt::Key_X);
    EXPECT_FALSE(form.isVisible());
}

// Scores of three digits are common; a score label shows the longest, sign and all, whole and
// clear of the turn counter beside it.
TEST(Form1, ScoreLabelsShowThreeDigitScoresWhole) {
    WindowFixture table;
    for (const char* score : {" 110", " 999", "-999"}) {
        table.session().view.lblPlayer = table.session().view.lblCPU = score;
        table.form().renderView();
        for (const char* name : {"lblPlayer", "lblCPU"}) {
            const QLabel* shown = Child<QLabel>(&table.form(), name);
            const QFontMetrics metrics = shown->fontMetrics();
            EXPECT_EQ(shown->text(), score) << name;
            EXPECT_LE(
                std::max(metrics.horizontalAdvance(score), metrics.boundingRect(score).right() + 1),
                shown->contentsRect().width())
                << name << " showing " << score;
        }
    }
    for (const auto& [score, turns] :
         {std::pair{"lblPlayer", "lblCards_1"}, {"lblCPU", "lblCards_2"}})
        EXPECT_FALSE(Child<QLabel>(&table.form(), score)
                         ->geometry()
                         .intersects(Child<QLabel>(&table.form(), turns)->geometry()));
}

// What is dealt, and whether the computer's hand shows, is the core's; the window shows every
// place as the core's view has it, the debug items when Debug is on, and passes clicks in.
TEST(Form1, TheTableShowsTheCoresViewAndAClickOnAHandCardPlaysIt) {
    WindowFixture table;
    const auto debugItemsShown = [&table] {
        int shown = 0;
        for (const char* name : DebugItems)
            shown += table.action(name)->isVisible();
        return shown;
    };
    EXPECT_EQ(debugItemsShown(), 0);
    table.action("mnuDebug")->trigger();
    EXPECT_EQ(debugItemsShown(), 5);
    table.action("mnuNew")->trigger();
    EXPECT_TRUE(table.action("mnuAbort")->isEnabled());
    const TableView& view = table.session().view;
    const auto shows = [](CardWidget* place, const CardPlace& shown) {
        return place->isVisible() == shown.Visible && place->acceptsClicks() == shown.Enabled &&
               place->picture() == shown.Picture;
    };
    for (int k = 1; k <= 16; ++k) {
        EXPECT_TRUE(shows(table.desk(k), view.picDesk[k])) << k;
        EXPECT_TRUE(k > 10 || (shows(table.hand(k), view.picHand[k]) &&
                               shows(table.comp(k), view.picComp[k])))
            << k;
    }
    const Game& game = table.session().game;
    const int pile = game.PilePosition;
    ASSERT_TRUE(table.playOneCard());
    EXPECT_EQ(game.PilePosition, pile + 2) << "one draw for each side";
    EXPECT_EQ(table.visibleCount("picHand", 10), 9);
}

// Pointing at a card whose month lies twice on the desk marks both; only a click on one of
// them plays it.
TEST(Form1, ATwoMatchCardWaitsForAClickOnAMarkedDeskCard) {
    WindowFixture table;
    Game& game = table.session().game;
    int twoMatch = 0;
    for (int attempt = 0; attempt < 200 && twoMatch == 0; ++attempt) {
        game.Rng = Random(1000 + attempt);
        table.action("mnuNew")->trigger();
        for (int k = 1; k <= 10 && twoMatch == 0; ++k) {
            if (game.PlayerMayAct && !game.PlayerHand[k].empty() &&
                FindDeskMatches(game, Month(game.PlayerHand[k])) == 2)
                twoMatch = k;
        }
    }
    ASSERT_NE(twoMatch, 0);
    const int pile = game.PilePosition;
    WindowFixture::hover(table.hand(twoMatch));
    WindowFixture::click(table.hand(twoMatch));
    EXPECT_EQ(game.PilePosition, pile) << "nothing happens before the desk click";

    int chosen = 0, unmarked = 0;
    for (int d = 1; d <= 16; ++d) {
        if (table.desk(d)->isVisible()) {
            int& which = table.desk(d)->acceptsClicks() ? chosen : unmarked;
            which = which ? which : d;
        }
    }
    ASSERT_NE(chosen, 0);
    ASSERT_NE(unmarked, 0);
    WindowFixture::click(table.desk(unmarked));
    EXPECT_EQ(game.PilePosition, pile) << "a place that takes no clicks ignores them";
    const std::string taken = game.Desk[chosen];
    WindowFixture::click(table.desk(chosen));
    EXPECT_EQ(game.PilePosition, pile + 2);
    EXPECT_EQ(game.CapturedPiles[1][Month(taken)][MonthRank(game.CardTable, taken)], taken);
}

// Abort between turns; Abort during a pause is checked with the pauses.
TEST(Form1, AbortAsksWithNoAsTheDefaultAndYesClearsTheTable) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    table.dialogs().clearSeen();  // a re-deal's notice
    table.dialogs().answerWith([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Abort Game?");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                  box->button(QMessageBox::No));
        DialogAnswerer::pressButton(box, "Yes");
    });
    table.action("mnuAbort")->trigger();
    ASSERT_EQ(table.dialogs().seen(), QStringList{"Abort!"});
    EXPECT_TRUE(table.tableIsIdle());
    EXPECT_EQ(table.label("lblCards_1"), "0");
}

TEST(Form1, ACardIsDrawnAtTheDevicePixelsOfA2xScreenAndAMissingOneAsAnOutline) {
    WindowFixture table;
    QImage card(90, 146, QImage::Format_RGB32);
    card.fill(Qt::red);
    ASSERT_TRUE(card.save(table.folder() + "red_card.bmp"));
    // A 2x screen gets every device pixel of the picture, not a blown-up half.
    const QPixmap shown = CardPixmaps(table.folder()).pixmap("red_card.bmp", {45, 73}, 2.0);
    EXPECT_EQ(shown.size(), QSize(90, 146));
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    CardWidget* place = table.place("picJan_1");
    place->setPicture("red_card.bmp");
    place->show();
    const QImage shot = place->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(Qt::red));

    const QPixmap missing = CardPixmaps(table.folder()).pixmap("gone.bmp", {45, 73}, 1.0);
    EXPECT_TRUE(missing.isNull());
    QImage canvas(45, 73, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    paintCard(painter, canvas.rect(), missing);
    painter.end();
    EXPECT_NE(canvas.pixelColor(0, 36), QColor(Qt::white)) << "the edge is drawn";
    EXPECT_EQ(canvas.pixelColor(22, 36), QColor(Qt::white)) << "the inside stays empty";
}

}  // namespace
}  // namespace vm::test

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

#include "model/game_state.h"
#include "rules/matching.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

const char* const DebugItems[] = {"mnuSep6", "mnuPlayMatch", "mnuCPUMatch", "mnuSep5",
                                  "mnuDealPile"};

TEST(Form1, StartsAsAFixedSizeIdleTableUnderItsFourMenus) {
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
    EXPECT_EQ(table.label("lblPlayer"), " 0");
    EXPECT_EQ(table.label("lblJune"), "June - Botan (Peony)");
    EXPECT_EQ(table.place("picHand_10")->geometry(), QRect(200, 468, 45, 73));
    EXPECT_EQ(table.place("picJul_4")->geometry(), QRect(744, 16, 45, 73));
}

TEST(Form1, TheMenuKeysDoWhatTheirItemsDo) {
    WindowFixture table;
    QWidget* form = &table.form();
    GameOptions& options = table.session().options;
    Press(form, Qt::CTRL | Qt::Key_N);
    EXPECT_TRUE(table.session().game.GameInProgress);
    const struct {
        QKeyCombination key;
        const char* dialog;
    } dialogs[] = {{Qt::CTRL | Qt::Key_A, "Abort!"},
                   {Qt::CTRL | Qt::Key_H, "High Score Table"},
                   {Qt::CTRL | Qt::Key_M, "Background Music"}};
    for (const auto& [key, dialog] : dialogs) {
        table.dialogs().clearSeen();
        Press(form, key);
        EXPECT_EQ(table.dialogs().seen(), QStringList{dialog});
    }
    EXPECT_TRUE(table.session().game.GameInProgress) << "Abort answered No";

    const bool sound = table.action("mnuSound")->isChecked();
    const bool music = table.action("mnuMusic")->isChecked();
    Press(form, Qt::CTRL | Qt::Key_S);
    Press(form, Qt::CTRL | Qt::Key_B);
    EXPECT_EQ(options.SoundEffectsOn, !sound);
    EXPECT_EQ(options.BackgroundMusicOn, !music);
    EXPECT_EQ(table.action("mnuSound")->isChecked(), !sound);
    table.action("mnuModerate")->trigger();
    EXPECT_TRUE(table.action("mnuModerate")->isChecked());
    EXPECT_FALSE(table.action("mnuSlow")->isChecked());
    Press(form, Qt::CTRL | Qt::Key_O);
    QFile ini(table.folder() + "VELMORIA.INI");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray saved = ini.readAll();
    EXPECT_TRUE(
        saved.contains(sound ? "[speed]=2\r\n[sound]=off\r\n" : "[speed]=2\r\n[sound]=on\r\n"))
        << saved.toStdString();

    Press(form, Qt::Key_F1);
    auto* rules = form->findChild<QTextBrowser*>("helpViewer");
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    rules->close();
    Press(form, Qt::CTRL | Qt::Key_X);
    EXPECT_FALSE(form->isVisible());
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

TEST(Form1, NewDealsTenEightTenWithTheComputersCardsFaceDownOrFaceUpInDebug) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug ? "debug" : "plain");
        WindowFixture table;
        Session& session = table.session();
        if (debug)
            table.action("mnuDebug")->trigger();
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
            if (table.comp(k)->isVisible()) {
                EXPECT_EQ(table.comp(k)->picture(),
                          debug ? session.game.CPUHand[k] : session.options.CardBackFile);
                EXPECT_FALSE(table.comp(k)->acceptsClicks());
            }
        }
    }
}

TEST(Form1, PointingMarksACardAndExactlyItsMatchesAndAClickPlaysIt) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    Game& game = table.session().game;
    ASSERT_TRUE(game.PlayerMayAct);
    WindowFixture::hover(table.hand(1));
    for (int d = 1; d <= 16; ++d) {
        const bool match =
            table.desk(d)->isVisible() && Month(game.Desk[d]) == Month(game.PlayerHand[1]);
        EXPECT_EQ(table.session().view.picShape[d], match) << d;
    }
    const int pileBefore = game.PilePosition;
    ASSERT_TRUE(table.playOneCard());
    EXPECT_EQ(game.PilePosition, pileBefore + 2) << "one draw for each side";
    EXPECT_TRUE(game.PlayerMayAct);
    EXPECT_EQ(table.visibleCount("picHand", 10), 9);
    EXPECT_TRUE(IsConsistent(game));
}

TEST(Form1, ATwoMatchCardWaitsForAClickOnAMarkedDeskCard) {
    // Deal until the human holds a card whose month lies twice on the desk.
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

TEST(Form1, AbortAsksWithNoAsTheDefaultAndYesClearsTheTable) {
    WindowFixture table;
    table.action("mnuNew")->trigger();
    const TableView dealt = table.session().view;
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
    EXPECT_EQ(table.session().view, dealt) << "No leaves everything";
    EXPECT_TRUE(table.session().game.GameInProgress);

    table.dialogs().clearSeen();
    table.dialogs().answerWith([](QWidget* box) { DialogAnswerer::pressButton(box, "Yes"); });
    table.action("mnuAbort")->trigger();
    ASSERT_EQ(table.dialogs().seen(), QStringList{"Abort!"});
    EXPECT_FALSE(table.session().game.GameInProgress);
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

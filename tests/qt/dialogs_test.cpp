// The dialogs of the window: their captions and texts, what they show, what they answer, and
// how they fail softly. What they show and the rules of their choices are the core's.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "records/high_scores_file.h"
#include "ui/qt/debugger_dialog.h"
#include "ui/qt/high_score_name_dialog.h"
#include "ui/qt/high_scores_dialog.h"
#include "ui/qt/meld_dialog.h"
#include "ui/qt/music_dialog.h"
#include "ui/qt/score_dialog.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

// Checks the dialog as it opens, and that each of its labels shows its whole text, then
// closes it with its default button.
void CheckEachDialog(WindowFixture& table, std::function<void(QWidget*)> check) {
    table.answerWith([check = std::move(check)](QWidget* dialog) {
        check(dialog);
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
                continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
            EXPECT_TRUE(dialog->rect().contains(label->geometry())) << label->text().toStdString();
        }
        DialogAnswerer::pressDefault(dialog);
    });
}

// The Background Music dialog over the fixture's folder holding the given empty tracks; `act`
// runs once it shows, and the dialog must have closed after it.
void ShowMusicDialogAndThen(WindowFixture& table, const QStringList& tracks, const char* current,
                            const std::function<void(QListWidget*)>& act) {
    for (const QString& name : tracks)
        ASSERT_TRUE(QFile(table.folder() + name).open(QIODevice::WriteOnly));
    table.session().options.MusicTrack = current;
    table.session().music.MusicTrackChanged = false;
    table.answerWith([act](QWidget* dialog) {
        act(Child<QListWidget>(dialog, "lvwTrack"));
        EXPECT_FALSE(dialog->isVisible()) << "the dialog stayed open";
        dialog->close();
    });
    ShowMusicDialog(nullptr, table.session());
}

// Each shows its texts, and only the cards it is given.
TEST(Dialogs, TheMeldTheScoreboardThePileAndTheDebuggerShowTheCoresViews) {
    WindowFixture table;
    // The cards still in the pile, the next one first.
    table.action("mnuNew")->trigger();
    table.clearSeen();
    const Game& game = table.session().game;
    const int left = LastPilePosition + 1 - game.PilePosition;
    CheckEachDialog(table, [&](QWidget* dialog) {
        EXPECT_EQ(VisibleCards(dialog, "picPile", 24), left);
        EXPECT_EQ(Child<CardWidget>(dialog, "picPile_1")->picture(),
                  game.CardTable[game.PilePosition].CardName);
        EXPECT_EQ(LabelText(dialog, "lblNumber"), QString(" %1 cards left").arg(left));
    });
    table.action("mnuDealPile")->trigger();

    MeldInfo info;
    info.Pictures[1] = "jan_5.bmp";
    info.Pictures[2] = "feb_5.bmp";
    info.Announcement = "Computer has Akai Tan (Red Tanzaku Strips), +30 points";  // the longest
    CheckEachDialog(table, [&](QWidget* dialog) {
        EXPECT_EQ(LabelText(dialog, "lblMeld").toStdString(), info.Announcement);
        EXPECT_EQ(VisibleCards(dialog, "picMeld", 5), 2);
        EXPECT_EQ(Child<CardWidget>(dialog, "picMeld_2")->picture(), "feb_5.bmp");
    });
    showMeldDialog(&table.form(), table.form().pixmaps(), info);

    // The totals are read, beside the table's scores, at the end of the keyboard game.
    ScoreboardView view;
    view.Player.ScoringCards[1] = "jan_20.bmp";
    view.Player.ScoringCards[2] = "mar_20.bmp";
    view.Player.ScoreLabel = "Score Cards total =  250";
    view.Player.MeldPictures[1] = "may_10.bmp";
    view.CPU.MeldTitles[6] = " Lights ";
    CheckEachDialog(table, [](QWidget* dialog) {
        EXPECT_EQ(LabelText(dialog, "lblPlayerScore"), "Score Cards total =  250");
        EXPECT_EQ(LabelText(dialog, "lblCPUMeld_6"), " Lights ");
        EXPECT_EQ(VisibleCards(dialog, "picPlayer", 24), 2);
        EXPECT_EQ(VisibleCards(dialog, "picCPU", 24), 0);
        EXPECT_EQ(VisibleCards(dialog, "picPlayerMeld", 30), 1);
    });
    showScoreDialog(&table.form(), table.form().pixmaps(), view);

    CheckEachDialog(table, [](QWidget* dialog) {
        EXPECT_EQ(Child<QPlainTextEdit>(dialog, "Text1")->toPlainText(), "hand=a\nhand=b\n");
    });
    showDebuggerDialog(&table.form(), "hand=a\r\nhand=b\r\n");
    EXPECT_EQ(table.seen(),
              (QStringList{"Pile", "Velmoria Meld!", "Velmoria Scoreboard", "Debugger"}));
}

// About shows the version of the build and stays open while System Info, with no tool on the
// PATH, says it is unavailable.
TEST(Dialogs, AboutSaysSystemInformationIsUnavailableWithoutATool) {
    WindowFixture table;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", table.folder().toLocal8Bit());
    QStringList shown;
    table.answerWith([&shown](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            shown << box->text();
            return DialogAnswerer::pressDefault(dialog);
        }
        shown << LabelText(dialog, "lblVersion");
        EXPECT_TRUE(Child<QPushButton>(dialog, "cmdOK")->isDefault());
        // Clicked from outside the answerer, which must be free to answer the notice.
        QTimer::singleShot(0, dialog, [dialog] {
            Child<QPushButton>(dialog, "cmdSysInfo")->click();
            EXPECT_TRUE(dialog->isVisible()) << "About stays open";
            Child<QPushButton>(dialog, "cmdOK")->click();
        });
    });
    table.action("mnuAbout")->trigger();
    qputenv("PATH", oldPath);
    EXPECT_EQ(shown, (QStringList{"Version " VELMORIA_VERSION,
                                  "System Information Is Unavailable At This Time"}));
}

// The name dialog gives the name as typed, its close box and Escape counting as Ok. The high
// score table shows every row as stored, and cuts a name too long where it is seen.
TEST(Dialogs, TheNameDialogGivesTheNameAsTypedAndTheHighScoreTableEveryRowAsStored) {
    DialogAnswerer answers;
    answers.answerWith([](QWidget* dialog) {
        // Typed over the old name, which the dialog opens with selected.
        auto* box = Child<QLineEdit>(dialog, "txtName");
        QTest::keyClicks(box, "  Ren");
        box->insert(QString::fromUtf8("\xC3\xA9 "));  // QTest types ASCII only
        QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    EXPECT_EQ(AskHighScoreName(nullptr, "old"), "  Ren\xC3\xA9 ");
    answers.answerWith([](QWidget* dialog) {
        QTest::keyClicks(Child<QLineEdit>(dialog, "txtName"), "x");
        dialog->close();
    });
    // The close box counts as Ok.
    EXPECT_EQ(AskHighScoreName(nullptr, "Mei"), "x");
    answers.answerWith([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(AskHighScoreName(nullptr, "Mei"), "Mei");

    HighScoreTable table = PlaceholderTable();
    table[1] = {"  Ann  ", 57, "05/12/2026"};
    table[2] = {"Ren\xC3\xA9", 35, "06/12/2026"};
    const QString longName = "Wolfgang Amadeus Mozart the Younger of Salzburg and Vienna";
    table[5] = {longName.toStdString(), 30, "07/12/2026"};
    QStringList shown;
    answers.answerWith([&](QWidget* dialog) {
        for (const char* name : {"lblName_1", "lblScore_1", "lblDate_1", "lblName_2", "lblName_10"})
            shown << LabelText(dialog, name);
        // Too long for its column even in the smallest font: cut where the player sees it.
        auto* cut = Child<QLabel>(dialog, "lblName_5");
        EXPECT_TRUE(cut->text().endsWith(QChar(0x2026))) << cut->text().toStdString();
        EXPECT_TRUE(longName.startsWith(cut->text().chopped(1)));
        EXPECT_LE(cut->fontMetrics().horizontalAdvance(cut->text()), cut->width());
        EXPECT_EQ(cut->toolTip(), longName);
        QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    ShowHighScores(nullptr, table);
    EXPECT_EQ(shown, (QStringList{"  Ann  ", "57", "05/12/2026", QString::fromUtf8("Ren\xC3\xA9"),
                                  "Player 10"}));
}

// It opens on the current track, scrolled into view. Ok and a double-click take the track
// clicked, even the current one; the close box forgets it.
TEST(Dialogs, TheMusicDialogOpensOnTheCurrentTrackAndOkAndDoubleClickTakeTheClickedOne) {
    WindowFixture table;
    QStringList names = {"haiku.mid", "sakura.mid"};
    for (int n = 10; n < 70; ++n)
        names << QStringLiteral("track_%1.mid").arg(n);
    ShowMusicDialogAndThen(table, names, "track_66.mid", [](QListWidget* list) {
        ASSERT_EQ(list->count(), 62);
        EXPECT_EQ(list->selectedItems(), list->findItems("track_66.mid", Qt::MatchExactly));
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
        list->window()->close();
    });

    enum Way { Ok, DoubleClick, CloseBox };
    // How it is closed, the row clicked first, and the track and change that follow.
    const std::tuple<Way, int, const char*, bool> ways[] = {{Ok, 1, "sakura.mid", true},
                                                            {DoubleClick, 0, "haiku.mid", true},
                                                            {CloseBox, 1, "haiku.mid", false}};
    for (const auto& [way, row, track, changed] : ways) {
        ShowMusicDialogAndThen(table, {}, "haiku.mid", [&](QListWidget* list) {
            const QPoint centre = list->visualItemRect(list->item(row)).center();
            // A real double-click presses first, then reports the double-click.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            if (way == DoubleClick)
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
            else if (way == Ok)
                Child<QPushButton>(list->window(), "cmdOK")->click();
            else
                list->window()->close();
        });
        EXPECT_EQ(table.session().options.MusicTrack, track) << way;
        EXPECT_EQ(table.session().music.MusicTrackChanged, changed) << way;
    }
}

}  // namespace
}  // namespace vm::test

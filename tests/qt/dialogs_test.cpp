// The dialogs and pictures of the window: what each shows, where, and how it fails softly.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "game/debug_views.h"
#include "ui/qt/debugger_dialog.h"
#include "ui/qt/meld_dialog.h"
#include "ui/qt/score_dialog.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

// Every label of the dialog shows its whole text.
void ExpectNothingCut(QWidget* dialog) {
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
            continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString() << ": " << label->text().toStdString();
        EXPECT_TRUE(dialog->rect().contains(label->geometry()))
            << label->objectName().toStdString();
    }
}

int VisibleCards(QWidget* dialog, const QString& prefix, int count) {
    int visible = 0;
    for (int k = 1; k <= count; ++k)
        visible += dialog->findChild<CardWidget*>(prefix.arg(k))->isVisibleTo(dialog);
    return visible;
}

TEST(Dialogs, TheMeldAnnouncementShowsItsTextAndOnlyItsCards) {
    WindowFixture table;
    MeldInfo info;
    info[1] = "jan_5.bmp";
    info[2] = "feb_5.bmp";
    info[3] = "mar_5.bmp";
    info[6] = "Computer has Aoi Tan (Blue Tanzaku Strips), +30 points";
    info[7] = "30";
    bool checked = false;
    table.dialogs().answerWith([&](QWidget* dialog) {
        checked = true;
        EXPECT_EQ(dialog->windowTitle(), "Velmoria Meld!");
        EXPECT_EQ(dialog->size(), QSize(296, 101));
        EXPECT_EQ(dialog->findChild<QLabel*>("lblMeld")->text().toStdString(), info[6]);
        EXPECT_EQ(VisibleCards(dialog, "picMeld_%1", 5), 3);
        EXPECT_EQ(dialog->findChild<CardWidget*>("picMeld_2")->geometry(), QRect(52, 24, 45, 73));
        EXPECT_EQ(dialog->findChild<CardWidget*>("picMeld_2")->picture(), "feb_5.bmp");
        EXPECT_EQ(dialog->findChild<QPushButton*>("cmdOK")->text(), "Ok");
        ExpectNothingCut(dialog);
        DialogAnswerer::pressDefault(dialog);
    });
    showMeldDialog(&table.form(), table.form().pixmaps(), info);
    EXPECT_TRUE(checked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closed and gone";
}

TEST(Dialogs, TheScoreboardShowsTheCoresLabelsWithNothingCutOff) {
    WindowFixture table;
    ScoreboardView view;
    view.Player.ScoringCards[1] = "jan_20.bmp";
    view.Player.ScoringCards[2] = "mar_20.bmp";
    view.Player.ScoreLabel = "Score Cards total =  250";
    view.Player.MeldPictures[1] = "may_10.bmp";
    view.Player.MeldTitles[1] = " Shoubu Complete ";
    view.Player.MeldScoreLabel = "Meld Score total =  170";
    view.Player.TotalLabel = "Winner  420";
    view.CPU.ScoreLabel = "Score Cards total =  0";
    view.CPU.MeldScoreLabel = "Meld Score total =  0";
    view.CPU.MeldTitles[6] = " Lights ";
    view.CPU.TotalLabel = " 0 Loser";
    bool checked = false;
    table.dialogs().answerWith([&](QWidget* dialog) {
        checked = true;
        EXPECT_EQ(dialog->windowTitle(), "Velmoria Scoreboard");
        EXPECT_EQ(dialog->size(), QSize(792, 573));
        EXPECT_EQ(dialog->findChild<QLabel*>("lblPlayerTotal")->text(), "Winner  420");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblCPUTotal")->text(), " 0 Loser");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblCPUMeld_6")->text(), " Lights ");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblPlayerScore")->text(), "Score Cards total =  250");
        EXPECT_EQ(VisibleCards(dialog, "picPlayer_%1", 24), 2);
        EXPECT_EQ(VisibleCards(dialog, "picCPU_%1", 24), 0);
        EXPECT_EQ(VisibleCards(dialog, "picPlayerMeld_%1", 30), 1);
        EXPECT_EQ(dialog->findChild<CardWidget*>("picCPU_9")->geometry().topLeft(),
                  QPoint(424, 92));
        EXPECT_EQ(dialog->findChild<CardWidget*>("picCPUMeld_30")->geometry().topLeft(),
                  QPoint(732, 484));
        QStringList headings;
        for (const char* name :
             {"lblPlayerHeading", "lblCPUHeading", "lblPlayerMeldsHeading", "lblCPUMeldsHeading"})
            headings << dialog->findChild<QLabel*>(name)->text();
        EXPECT_EQ(headings, (QStringList{"Player Scoring Cards", "CPU Scoring Cards",
                                         "Player Melds", "CPU Melds"}));
        ExpectNothingCut(dialog);
        DialogAnswerer::pressDefault(dialog);
    });
    showScoreDialog(&table.form(), table.form().pixmaps(), view);
    EXPECT_TRUE(checked);
}

TEST(Dialogs, ThePileViewerShowsTheNextCardFirst) {
    WindowFixture table;
    table.action("mnuDebug")->trigger();
    table.action("mnuNew")->trigger();
    const PileView expected = BuildPileView(table.session().game);
    int shown = -1;
    table.dialogs().answerWith([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Pile");
        shown = VisibleCards(dialog, "picPile_%1", 24);
        EXPECT_EQ(dialog->findChild<CardWidget*>("picPile_1")->picture(), expected.Pictures[1]);
        EXPECT_EQ(dialog->findChild<QLabel*>("lblNumber")->text().toStdString(),
                  expected.lblNumber);
        DialogAnswerer::pressDefault(dialog);
    });
    table.action("mnuDealPile")->trigger();
    EXPECT_EQ(shown, 49 - table.session().game.PilePosition);
}

TEST(Dialogs, TheDebuggerShowsTheDumpReadOnly) {
    WindowFixture table;
    QString text;
    bool readOnly = false;
    table.dialogs().answerWith([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Debugger");
        auto* box = dialog->findChild<QPlainTextEdit*>("Text1");
        text = box->toPlainText();
        readOnly = box->isReadOnly();
        DialogAnswerer::pressDefault(dialog);
    });
    showDebuggerDialog(&table.form(), "hand= desk= score= 0 ( 0, 0, 0)\r\nhand=jul_10.bmp\r\n");
    EXPECT_EQ(text, "hand= desk= score= 0 ( 0, 0, 0)\nhand=jul_10.bmp\n");
    EXPECT_TRUE(readOnly);
}

TEST(Dialogs, AboutShowsTheProgramAndSaysWhenThereIsNoSystemInformation) {
    WindowFixture table;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", table.folder().toLocal8Bit());  // no information program in there
    QStringList labels;
    QString notice;
    bool aboutStayedOpen = false;
    table.dialogs().answerWith([&](QWidget* dialog) {
        if (dialog->objectName() == "frmAbout") {
            EXPECT_EQ(dialog->windowTitle(), "About Velmoria");
            for (const char* name : {"lblTitle", "lblVersion", "lblDisclaimer"})
                labels << dialog->findChild<QLabel*>(name)->text();
            EXPECT_FALSE(dialog->findChild<QLabel*>("lblDescription")->text().isEmpty());
            auto* ok = dialog->findChild<QPushButton*>("cmdOK");
            EXPECT_EQ(ok->text(), "OK");
            EXPECT_TRUE(ok->isDefault());
            auto* sysInfo = dialog->findChild<QPushButton*>("cmdSysInfo");
            EXPECT_EQ(sysInfo->text(), "&System Info...");
            // Clicked from outside the answerer, which must be free to answer the notice.
            QTimer::singleShot(0, dialog, [dialog, sysInfo, ok, &aboutStayedOpen] {
                sysInfo->click();
                aboutStayedOpen = dialog->isVisible();
                ok->click();
            });
        } else {
            notice = qobject_cast<QMessageBox*>(dialog)->text();
            EXPECT_EQ(dialog->windowTitle(), "Velmoria");
            DialogAnswerer::pressDefault(dialog);
        }
    });
    table.action("mnuAbout")->trigger();
    qputenv("PATH", path);
    EXPECT_EQ(labels, (QStringList{"Velmoria", "Version 1.2.0", "Japanese Flower Cards"}));
    EXPECT_EQ(notice, "System Information Is Unavailable At This Time");
    EXPECT_TRUE(aboutStayedOpen);
}

TEST(Dialogs, SystemInfoStartsAProgramFoundOnThePath) {
    WindowFixture table;
    const QString marker = table.folder() + "started";
    QFile tool(table.folder() + "hardinfo");
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toLocal8Bit());
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (table.folder() + ":/usr/bin:/bin").toLocal8Bit());
    QStringList seen;
    table.dialogs().answerWith([&](QWidget* dialog) {
        seen << dialog->windowTitle();
        if (dialog->objectName() == "frmAbout") {
            QTimer::singleShot(0, dialog, [dialog] {
                dialog->findChild<QPushButton*>("cmdSysInfo")->click();
                dialog->findChild<QPushButton*>("cmdOK")->click();
            });
        } else {
            DialogAnswerer::pressDefault(dialog);
        }
    });
    table.action("mnuAbout")->trigger();
    qputenv("PATH", path);
    EXPECT_EQ(seen, QStringList{"About Velmoria"}) << "no notice when the program starts";
    for (int wait = 0; wait < 200 && !QFile::exists(marker); ++wait)
        QTest::qWait(10);
    EXPECT_TRUE(QFile::exists(marker));
}

TEST(Dialogs, RulesOpenBesideTheGameOrSayTheyAreMissing) {
    WindowFixture table;
    QFile::remove(table.folder() + "VELMORIA.HLP");
    table.action("mnuRules")->trigger();
    EXPECT_EQ(table.dialogs().seen().size(), 1) << "a notice, not a crash";
    EXPECT_EQ(table.form().findChild<QTextBrowser*>("helpViewer"), nullptr);

    QFile rules(table.folder() + "VELMORIA.HLP");
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly));
    rules.write("<html><body><h1>Contents</h1><img src=\"jan_20.bmp\"></body></html>");
    rules.close();
    table.action("mnuRules")->trigger();
    auto* viewer = table.form().findChild<QTextBrowser*>("helpViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal()) << "the game goes on beside the rules";
    EXPECT_TRUE(viewer->toPlainText().contains("Contents"));
    EXPECT_EQ(table.dialogs().seen().size(), 1);
}

}  // namespace
}  // namespace vm::test

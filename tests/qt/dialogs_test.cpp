// The dialogs of the window: their captions and texts, what they show, and how they fail
// softly.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>

#include "ui/qt/debugger_dialog.h"
#include "ui/qt/meld_dialog.h"
#include "ui/qt/score_dialog.h"
#include "view/debug_views.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

QString Text(QWidget* dialog, const char* label) {
    return dialog->findChild<QLabel*>(label)->text();
}

int VisibleCards(QWidget* dialog, const char* prefix, int count) {
    int visible = 0;
    for (int k = 1; k <= count; ++k)
        visible += dialog->findChild<CardWidget*>(QString(prefix).arg(k))->isVisibleTo(dialog);
    return visible;
}

// Checks the dialog as it opens, then closes it with its default button.
void CheckEachDialog(WindowFixture& table, std::function<void(QWidget*)> check) {
    table.dialogs().clearSeen();
    table.dialogs().answerWith([check = std::move(check)](QWidget* dialog) {
        check(dialog);
        // Every label shows its whole text.
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

TEST(Dialogs, TheMeldAndTheScoreboardShowTheCoresTextsAndOnlyTheirCards) {
    WindowFixture table;
    MeldInfo info;
    info.Pictures[1] = "jan_5.bmp";
    info.Pictures[2] = "feb_5.bmp";
    info.Announcement = "Computer has Akai Tan (Red Tanzaku Strips), +30 points";  // the longest
    CheckEachDialog(table, [&](QWidget* dialog) {
        EXPECT_EQ(dialog->size(), QSize(296, 101));
        EXPECT_EQ(Text(dialog, "lblMeld").toStdString(), info.Announcement);
        EXPECT_EQ(VisibleCards(dialog, "picMeld_%1", 5), 2);
        EXPECT_EQ(dialog->findChild<CardWidget*>("picMeld_2")->picture(), "feb_5.bmp");
        EXPECT_EQ(dialog->findChild<QPushButton*>("cmdOK")->text(), "Ok");
    });
    showMeldDialog(&table.form(), table.form().pixmaps(), info);
    EXPECT_EQ(table.dialogs().seen(), QStringList{"Velmoria Meld!"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closed and gone";

    ScoreboardView view;
    view.Player.ScoringCards[1] = "jan_20.bmp";
    view.Player.ScoringCards[2] = "mar_20.bmp";
    view.Player.ScoreLabel = "Score Cards total =  250";
    view.Player.MeldPictures[1] = "may_10.bmp";
    view.Player.MeldTitles[1] = " Shoubu Complete ";
    view.Player.MeldScoreLabel = "Meld Score total =  170";
    view.Player.TotalLabel = "Winner  420";
    view.CPU.ScoreLabel = "Score Cards total =  100";
    view.CPU.MeldScoreLabel = "Meld Score total =  100";
    view.CPU.MeldTitles[6] = " Lights ";
    view.CPU.TotalLabel = " 200 Loser";
    CheckEachDialog(table, [](QWidget* dialog) {
        EXPECT_EQ(dialog->size(), QSize(792, 573));
        const std::pair<const char*, const char*> labels[] = {
            {"lblPlayerTotal", "Winner  420"},
            {"lblCPUTotal", " 200 Loser"},
            {"lblCPUMeld_6", " Lights "},
            {"lblPlayerScore", "Score Cards total =  250"},
            {"lblPlayerHeading", "Player Scoring Cards"},
            {"lblCPUHeading", "CPU Scoring Cards"},
            {"lblPlayerMeldsHeading", "Player Melds"},
            {"lblCPUMeldsHeading", "CPU Melds"}};
        for (const auto& [name, text] : labels)
            EXPECT_EQ(Text(dialog, name), text) << name;
        EXPECT_EQ(VisibleCards(dialog, "picPlayer_%1", 24), 2);
        EXPECT_EQ(VisibleCards(dialog, "picCPU_%1", 24), 0);
        EXPECT_EQ(VisibleCards(dialog, "picPlayerMeld_%1", 30), 1);
    });
    showScoreDialog(&table.form(), table.form().pixmaps(), view);
    EXPECT_EQ(table.dialogs().seen(), QStringList{"Velmoria Scoreboard"});
}

TEST(Dialogs, ThePileAndTheDebuggerShowTheCoresViews) {
    WindowFixture table;
    table.action("mnuDebug")->trigger();
    table.action("mnuNew")->trigger();
    const PileView pile = BuildPileView(table.session().game);
    CheckEachDialog(table, [&](QWidget* dialog) {
        EXPECT_EQ(VisibleCards(dialog, "picPile_%1", 24), 49 - table.session().game.PilePosition);
        EXPECT_EQ(dialog->findChild<CardWidget*>("picPile_1")->picture(), pile.Pictures[1]);
        EXPECT_EQ(Text(dialog, "lblNumber").toStdString(), pile.lblNumber);
    });
    table.action("mnuDealPile")->trigger();
    EXPECT_EQ(table.dialogs().seen(), QStringList{"Pile"});

    CheckEachDialog(table, [](QWidget* dialog) {
        auto* box = dialog->findChild<QPlainTextEdit*>("Text1");
        EXPECT_EQ(box->toPlainText(), "hand= desk= score= 0 ( 0, 0, 0)\nhand=jul_10.bmp\n");
        EXPECT_TRUE(box->isReadOnly());
    });
    showDebuggerDialog(&table.form(), "hand= desk= score= 0 ( 0, 0, 0)\r\nhand=jul_10.bmp\r\n");
    EXPECT_EQ(table.dialogs().seen(), QStringList{"Debugger"});
}

// About shows its texts and stays open while System Info, with no tool on the PATH, says
// it is unavailable.
TEST(Dialogs, AboutSaysSystemInformationIsUnavailableWithoutATool) {
    WindowFixture table;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", table.folder().toLocal8Bit());
    QStringList shown;
    bool aboutStayed = false;
    table.dialogs().answerWith([&](QWidget* dialog) {
        shown << dialog->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            shown << box->text();
            return DialogAnswerer::pressDefault(dialog);
        }
        for (const char* name : {"lblTitle", "lblVersion", "lblDisclaimer"})
            shown << Text(dialog, name);
        EXPECT_FALSE(Text(dialog, "lblDescription").isEmpty());
        auto* ok = dialog->findChild<QPushButton*>("cmdOK");
        auto* sysInfo = dialog->findChild<QPushButton*>("cmdSysInfo");
        shown << ok->text() << sysInfo->text();
        EXPECT_TRUE(ok->isDefault());
        // Clicked from outside the answerer, which must be free to answer the notice.
        QTimer::singleShot(0, dialog, [dialog, sysInfo, ok, &aboutStayed] {
            sysInfo->click();
            aboutStayed = dialog->isVisible();
            ok->click();
        });
    });
    table.action("mnuAbout")->trigger();
    qputenv("PATH", oldPath);
    EXPECT_EQ(shown, (QStringList{"About Velmoria", "Velmoria", "Version 1.2.0",
                                  "Japanese Flower Cards", "OK", "&System Info...", "Velmoria",
                                  "System Information Is Unavailable At This Time"}));
    EXPECT_TRUE(aboutStayed);
}

TEST(Dialogs, RulesOpenBesideTheGameOrSayTheyAreMissing) {
    WindowFixture table;
    const QString rules = table.folder() + "VELMORIA.HLP";
    ASSERT_TRUE(QFile::rename(rules, rules + ".away"));
    table.action("mnuRules")->trigger();
    EXPECT_EQ(table.dialogs().seen().size(), 1) << "a notice, not a crash";
    EXPECT_EQ(table.form().findChild<QTextBrowser*>("helpViewer"), nullptr);

    ASSERT_TRUE(QFile::rename(rules + ".away", rules));
    table.action("mnuRules")->trigger();
    auto* viewer = table.form().findChild<QTextBrowser*>("helpViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->toPlainText().contains("Contents"));
}

}  // namespace
}  // namespace vm::test

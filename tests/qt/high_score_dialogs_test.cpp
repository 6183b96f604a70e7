// The high-score dialogs: the name asked of a winner, and the table.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "records/high_scores_file.h"
#include "ui/qt/high_score_name_dialog.h"
#include "ui/qt/high_scores_dialog.h"
#include "window_fixture.h"

namespace vm::test {
namespace {

template <typename T>
T* Find(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString Text(QWidget* dialog, const char* name) {
    return Find<QLabel>(dialog, name)->text();
}

TEST(HighScoreDialogs, TheNameDialogShowsItsTextsAndReturnsTheNameExactlyAsTyped) {
    EnsureApplication();
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Enter your Name");
        EXPECT_EQ(Text(dialog, "lblCongratulations"), "CONGRATULATIONS !!");
        EXPECT_EQ(Text(dialog, "lblPrompt"), "Please enter your name for the High Score Table");
        auto* box = Find<QLineEdit>(dialog, "txtName");
        EXPECT_EQ(box->text(), "old");
        EXPECT_EQ(Find<QPushButton>(dialog, "cmdOK")->text(), "Ok");
        box->clear();
        QTest::keyClicks(box, "  Ren");
        box->insert(QString::fromUtf8("\xC3\xA9 "));  // QTest types ASCII only
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    EXPECT_EQ(AskHighScoreName(nullptr, "old"), "  Ren\xC3\xA9 ");
}

TEST(HighScoreDialogs, TheCloseBoxAndEscapeCountAsOkWithTheTextAsItStands) {
    EnsureApplication();
    WhenModal([](QWidget* dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "txtName"), "x");
        dialog->close();
    });
    // The whole of "Mei" is selected on opening, so typing replaces it.
    EXPECT_EQ(AskHighScoreName(nullptr, "Mei"), "x");

    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(AskHighScoreName(nullptr, "Mei"), "Mei");
}

TEST(HighScoreDialogs, TheTableShowsEveryRowAsStoredAndClosesWithOk) {
    EnsureApplication();
    HighScoreTable table = PlaceholderTable();
    table[1] = {"  Ann  ", 57, "05/12/2026"};
    table[2] = {"Ren\xC3\xA9", 35, "06/12/2026"};
    table[4] = {"", 0, ""};
    const QString longName = "Wolfgang Amadeus Mozart the Younger of Salzburg and Vienna";
    table[5] = {longName.toStdString(), 30, "07/12/2026"};
    bool shown = false;
    WhenModal([&shown, &longName](QWidget* dialog) {
        shown = true;
        EXPECT_EQ(dialog->windowTitle(), "High Score Table");
        EXPECT_EQ(Find<QGroupBox>(dialog, "fraRanking")->title(), "Ranking");
        const std::pair<const char*, QString> labels[] = {
            {"lblNameHeading", "Name"},
            {"lblScoreHeading", "Score"},
            {"lblDateHeading", "Date"},
            {"lblName_1", "  Ann  "},
            {"lblScore_1", "57"},
            {"lblDate_1", "05/12/2026"},
            {"lblName_2", QString::fromUtf8("Ren\xC3\xA9")},
            {"lblName_4", ""},
            {"lblScore_4", "0"},
            {"lblName_10", "Player 10"},
            {"lblScore_10", "0"},
            {"lblDate_10", "00/00/0000"},
        };
        for (const auto& [name, text] : labels)
            EXPECT_EQ(Text(dialog, name), text) << name;
        EXPECT_EQ(dialog->findChildren<QLabel*>().size(), 33) << "three headings, ten rows";
        // Too long for its column even in the smallest font: cut where the player sees it.
        auto* cut = Find<QLabel>(dialog, "lblName_5");
        EXPECT_TRUE(cut->text().endsWith(QChar(0x2026))) << cut->text().toStdString();
        EXPECT_TRUE(longName.startsWith(cut->text().chopped(1)));
        EXPECT_LE(cut->fontMetrics().horizontalAdvance(cut->text()), cut->width());
        EXPECT_EQ(cut->toolTip(), longName);
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    ShowHighScores(nullptr, table);
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace vm::test

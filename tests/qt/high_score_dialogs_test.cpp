#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "records/high_scores_file.h"
#include "ui/qt/high_score_name_dialog.h"
#include "ui/qt/high_scores_dialog.h"

namespace vm {
namespace {

class HighScoreDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_qt";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }

    // Acts on the modal dialog once it is open, as the player would.
    static void WhenOpen(const std::function<void(QWidget*)>& act) {
        QTimer::singleShot(0, [act] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            act(dialog);
        });
    }

    template <typename T>
    static T* Find(QWidget* dialog, const char* name) {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(HighScoreDialogs, TheNameDialogShowsItsTextsAndTheLastName) {
    HighScoreNameDialog dialog("Mei");
    EXPECT_EQ(dialog.windowTitle(), "Enter your Name");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblCongratulations")->text(), "CONGRATULATIONS !!");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblPrompt")->text(),
              "Please enter your name for the High Score Table");
    EXPECT_EQ(Find<QLineEdit>(&dialog, "txtName")->text(), "Mei");
    EXPECT_EQ(Find<QPushButton>(&dialog, "cmdOK")->text(), "Ok");
}

TEST_F(HighScoreDialogs, OkReturnsTheNameExactlyAsTyped) {
    WhenOpen([](QWidget* dialog) {
        auto* box = Find<QLineEdit>(dialog, "txtName");
        box->clear();
        QTest::keyClicks(box, "  Ren");
        box->insert(QString::fromUtf8("\xC3\xA9 "));  // QTest types ASCII only
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    EXPECT_EQ(AskHighScoreName(nullptr, "old"), "  Ren\xC3\xA9 ");
}

TEST_F(HighScoreDialogs, TheCloseBoxCountsAsOkWithTheTextAsItStands) {
    WhenOpen([](QWidget* dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "txtName"), "x");
        dialog->close();
    });
    // The whole of "Mei" is selected on opening, so typing replaces it.
    EXPECT_EQ(AskHighScoreName(nullptr, "Mei"), "x");

    WhenOpen([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(AskHighScoreName(nullptr, "Mei"), "Mei");
}

TEST_F(HighScoreDialogs, TheTableShowsEveryRowAsStored) {
    HighScoreTable table = PlaceholderTable();
    table[1] = {"  Ann  ", 57, "05/12/2026"};
    table[2] = {"Ren\xC3\xA9", 35, "06/12/2026"};
    table[4] = {"", 0, ""};
    HighScoresDialog dialog(table);

    EXPECT_EQ(dialog.windowTitle(), "High Score Table");
    EXPECT_EQ(Find<QGroupBox>(&dialog, "fraRanking")->title(), "Ranking");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblNameHeading")->text(), "Name");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblScoreHeading")->text(), "Score");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblDateHeading")->text(), "Date");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblName_1")->text(), "  Ann  ");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblScore_1")->text(), "57");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblDate_1")->text(), "05/12/2026");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblName_2")->text(), QString::fromUtf8("Ren\xC3\xA9"));
    EXPECT_EQ(Find<QLabel>(&dialog, "lblName_4")->text(), "");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblScore_4")->text(), "0");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblName_10")->text(), "Player 10");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblScore_10")->text(), "0");
    EXPECT_EQ(Find<QLabel>(&dialog, "lblDate_10")->text(), "00/00/0000");
    EXPECT_EQ(dialog.findChildren<QLabel*>().size(), 33);
}

TEST_F(HighScoreDialogs, TheTableClosesWithOk) {
    bool shown = false;
    WhenOpen([&shown](QWidget* dialog) {
        shown = dialog->objectName() == "HighScores";
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    ShowHighScores(nullptr, PlaceholderTable());
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace vm

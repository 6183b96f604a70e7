#include "ui/qt/music_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "tests/qt/window_fixture.h"
#include "tests/ui/music_session.h"

namespace vm {
namespace {

class MusicDialogTest : public ::testing::Test {
protected:
    MusicDialogTest() {
        test::EnsureApplication();
        session.ProgramFolder = folder.path().toStdString() + "/";
        session.options.MusicTrack = "haiku.mid";
    }

    void AddTracks(const QStringList& names) {
        for (const QString& name : names) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    static QListWidget* List(QWidget* dialog) {
        return dialog->findChild<QListWidget*>(QStringLiteral("lvwTrack"));
    }
    static QPushButton* Button(QWidget* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static void ClickRow(QListWidget* list, int row) {
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    // Opens the dialog as the menu does and acts on it once it is showing.
    void ShowAndThen(const std::function<void(QWidget*)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->reject();
            }
        });
        ShowMusicDialog(nullptr, session);
    }

    QTemporaryDir folder;
    QuietHost host;
    Session session{host};
};

TEST_F(MusicDialogTest, OpensOnTheCurrentTrackScrolledIntoView) {
    QStringList names;
    for (int n = 10; n < 70; ++n) {
        names << QStringLiteral("track_%1.mid").arg(n);
    }
    AddTracks(names);
    session.options.MusicTrack = "track_66.mid";
    ShowAndThen([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Background Music"));
        QListWidget* list = List(dialog);
        ASSERT_EQ(list->count(), 60);
        ASSERT_NE(list->currentItem(), nullptr);
        EXPECT_EQ(list->currentItem()->text(), QStringLiteral("track_66.mid"));
        EXPECT_TRUE(list->currentItem()->isSelected());
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
        dialog->close();
    });
}

TEST_F(MusicDialogTest, ThreeCaptionlessButtonsSwitchThePresentation) {
    AddTracks({"haiku.mid", "sakura.mid"});
    MusicDialog dialog(session);
    QListWidget* list = List(&dialog);
    for (const char* name : {"cmdIcon", "cmdIconList", "cmdList"}) {
        ASSERT_NE(Button(&dialog, name), nullptr) << name;
        EXPECT_TRUE(Button(&dialog, name)->text().isEmpty()) << name;
    }
    EXPECT_EQ(list->viewMode(), QListView::IconMode);

    Button(&dialog, "cmdIconList")->click();
    EXPECT_EQ(list->viewMode(), QListView::ListMode);
    EXPECT_EQ(list->flow(), QListView::LeftToRight);
    EXPECT_EQ(list->iconSize(), QSize(16, 16));

    Button(&dialog, "cmdList")->click();
    EXPECT_EQ(list->viewMode(), QListView::ListMode);
    EXPECT_EQ(list->flow(), QListView::TopToBottom);

    Button(&dialog, "cmdIcon")->click();
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
    EXPECT_EQ(list->iconSize(), QSize(32, 32));
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("haiku.mid"));
}

TEST_F(MusicDialogTest, OkTakesAnotherChosenTrack) {
    AddTracks({"haiku.mid", "sakura.mid"});
    ShowAndThen([](QWidget* dialog) {
        ClickRow(List(dialog), 1);
        Button(dialog, "cmdOK")->click();
    });
    EXPECT_EQ(session.options.MusicTrack, "sakura.mid");
    EXPECT_TRUE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogTest, DoubleClickTakesTheTrackEvenWhenItIsCurrent) {
    AddTracks({"haiku.mid", "sakura.mid"});
    ShowAndThen([](QWidget* dialog) {
        QListWidget* list = List(dialog);
        const QRect place = list->visualItemRect(list->item(0));
        // A real double-click presses first, then reports the double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    });
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_TRUE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogTest, CloseBoxForgetsTheChoice) {
    AddTracks({"haiku.mid", "sakura.mid"});
    ShowAndThen([](QWidget* dialog) {
        ClickRow(List(dialog), 1);
        dialog->close();
    });
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogTest, EmptyFolderClosesOnOkWithoutAChange) {
    ShowAndThen([](QWidget* dialog) {
        EXPECT_EQ(List(dialog)->count(), 0);
        Button(dialog, "cmdOK")->click();
    });
    EXPECT_EQ(session.options.MusicTrack, "haiku.mid");
    EXPECT_FALSE(session.music.MusicTrackChanged);
}

TEST_F(MusicDialogTest, EntriesShowTheMidiIconWhenItIsThere) {
    AddTracks({"haiku.mid"});
    {
        MusicDialog withoutIcon(session);
        EXPECT_TRUE(List(&withoutIcon)->item(0)->icon().isNull());
    }
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("midi.ico")), "ICO"));
    MusicDialog withIcon(session);
    EXPECT_FALSE(List(&withIcon)->item(0)->icon().isNull());
}

}  // namespace
}  // namespace vm

// The Background Music dialog's widgets; its rules are the model's and tested with it.

#include "ui/qt/music_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>

#include "tests/qt/window_fixture.h"

namespace vm::test {
namespace {

QListWidget* List(QWidget* dialog) {
    return Child<QListWidget>(dialog, "lvwTrack");
}
void ClickRow(QWidget* dialog, int row, bool twice = false) {
    QListWidget* list = List(dialog);
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    // A real double-click presses first, then reports the double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// A session as the game has it, over a folder holding the given tracks.
class MusicDialogTest : public ::testing::Test {
  protected:
    void UseTracks(const QStringList& names, const char* current = "haiku.mid") {
        folder = std::make_unique<QTemporaryDir>();
        for (const QString& name : names) {
            QFile file(folder->filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        session.ProgramFolder = folder->path().toStdString() + "/";
        session.options.MusicTrack = current;
        session.music.MusicTrackChanged = false;
    }
    // Opens the dialog as the menu does and acts on it once it is showing.
    void ShowAndThen(const std::function<void(QWidget*)>& act) {
        table.dialogs().answerWith([act](QWidget* dialog) {
            act(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->close();
            }
        });
        ShowMusicDialog(nullptr, session);
    }

    WindowFixture table;
    Session& session = table.session();
    std::unique_ptr<QTemporaryDir> folder;
};

TEST_F(MusicDialogTest, OpensOnTheCurrentTrackScrolledIntoView) {
    QStringList names;
    for (int n = 10; n < 70; ++n)
        names << QStringLiteral("track_%1.mid").arg(n);
    UseTracks(names, "track_66.mid");
    ShowAndThen([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Background Music");
        QListWidget* list = List(dialog);
        ASSERT_EQ(list->count(), 60);
        ASSERT_NE(list->currentItem(), nullptr);
        EXPECT_EQ(list->currentItem()->text(), "track_66.mid");
        EXPECT_TRUE(list->currentItem()->isSelected());
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
        dialog->close();
    });
}

TEST_F(MusicDialogTest, OkAndDoubleClickTakeTheClickedTrackAndTheCloseBoxForgetsIt) {
    const QStringList two = {"haiku.mid", "sakura.mid"};
    const auto expect = [this](const char* track, bool changed) {
        EXPECT_EQ(session.options.MusicTrack, track);
        EXPECT_EQ(session.music.MusicTrackChanged, changed);
    };
    UseTracks(two);
    ShowAndThen([](QWidget* dialog) {
        ClickRow(dialog, 1);
        Child<QPushButton>(dialog, "cmdOK")->click();
    });
    expect("sakura.mid", true);
    UseTracks(two);
    ShowAndThen([](QWidget* dialog) { ClickRow(dialog, 0, true); });
    expect("haiku.mid", true);  // even on the current track
    UseTracks(two);
    ShowAndThen([](QWidget* dialog) {
        ClickRow(dialog, 1);
        dialog->close();
    });
    expect("haiku.mid", false);
    UseTracks({});
    ShowAndThen([](QWidget* dialog) { Child<QPushButton>(dialog, "cmdOK")->click(); });
    expect("haiku.mid", false);  // an empty list closes without a change
}

TEST_F(MusicDialogTest, TheIconsComeFromTheFolderAndACaptionlessButtonListsThem) {
    UseTracks({"haiku.mid", "sakura.mid"});
    EXPECT_TRUE(List(std::make_unique<MusicDialog>(session).get())->item(0)->icon().isNull());
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(folder->filePath("midi.ico"), "ICO"));
    MusicDialog dialog(session);
    QListWidget* list = List(&dialog);
    EXPECT_FALSE(list->item(0)->icon().isNull());
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
    QPushButton* asList = Child<QPushButton>(&dialog, "cmdList");
    EXPECT_TRUE(asList->text().isEmpty());
    asList->click();
    EXPECT_EQ(list->viewMode(), QListView::ListMode);
    EXPECT_EQ(list->flow(), QListView::TopToBottom);
    EXPECT_EQ(list->iconSize(), QSize(16, 16));
    EXPECT_EQ(list->currentItem()->text(), "haiku.mid");
}

}  // namespace
}  // namespace vm::test

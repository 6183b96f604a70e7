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

// A session as the game has it, over the fixture's folder holding the given (empty) tracks.
class MusicDialogTest : public ::testing::Test {
  protected:
    void UseTracks(const QStringList& names, const char* current = "haiku.mid") {
        for (const QString& name : names)
            ASSERT_TRUE(QFile(table.folder() + name).open(QIODevice::WriteOnly));
        session.options.MusicTrack = current;
        session.music.MusicTrackChanged = false;
    }
    // Opens the dialog as the menu does, and acts on it once it is showing.
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

// Ok and a double-click take the track clicked, even the current one; the close box forgets
// it; Ok on an empty list closes without a change.
TEST_F(MusicDialogTest, EachWayOfClosingTakesOrForgetsTheClickedTrack) {
    enum Way { Ok, DoubleClick, CloseBox };
    const struct {
        Way way;
        int tracks;
        const char* track;
        bool changed;
    } ways[] = {{Ok, 2, "sakura.mid", true},
                {DoubleClick, 2, "haiku.mid", true},
                {CloseBox, 2, "haiku.mid", false},
                {Ok, 0, "haiku.mid", false}};
    for (const auto& [way, tracks, track, changed] : ways) {
        for (const char* name : {"haiku.mid", "sakura.mid"})
            QFile::remove(table.folder() + name);
        UseTracks(QStringList{"haiku.mid", "sakura.mid"}.first(tracks));
        ShowAndThen([way](QWidget* dialog) {
            QListWidget* list = List(dialog);
            if (list->count() > 0) {
                const QListWidgetItem* item = list->item(way == DoubleClick ? 0 : 1);
                const QPoint centre = list->visualItemRect(item).center();
                // A real double-click presses first, then reports the double-click.
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
                if (way == DoubleClick)
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
            }
            if (way == Ok)
                Child<QPushButton>(dialog, "cmdOK")->click();
            else if (way == CloseBox)
                dialog->close();
        });
        EXPECT_EQ(session.options.MusicTrack, track) << way;
        EXPECT_EQ(session.music.MusicTrackChanged, changed) << way;
    }
}

TEST_F(MusicDialogTest, TheIconsComeFromTheFolderAndACaptionlessButtonListsThem) {
    UseTracks({"haiku.mid", "sakura.mid"});
    EXPECT_TRUE(List(std::make_unique<MusicDialog>(session).get())->item(0)->icon().isNull());
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(table.folder() + "midi.ico", "ICO"));
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

#pragma once
// "Background Music": picks the track from the MIDI files in the program's folder.

#include <QDialog>

#include "play/music_dialog_model.h"

class QListWidget;
class QPushButton;

namespace vm {

class MusicDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MusicDialog(Session& session, QWidget* parent = nullptr);

  private:
    enum class Presentation { LargeIcons, SmallIcons, List };

    void fillList(const QString& programFolder);
    QPushButton* addPresentationButton(const char* name, const QString& tip, Presentation shown,
                                       int x);
    void present(Presentation shown);

    MusicDialogModel m_model;
    QListWidget* m_list;
};

// Shows the dialog modally; only "Ok" and a double-click change MusicTrack and
// MusicTrackChanged. The caller then lets the music follow with AfterMusicDialog.
void ShowMusicDialog(QWidget* parent, Session& session);

}  // namespace vm

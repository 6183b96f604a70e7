#pragma once
// The main window: draws the core's table and menus and passes every player event to the
// core. It holds no game facts of its own.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "play/session.h"
#include "records/data_folders.h"
#include "ui/qt/card_pixmaps.h"
#include "ui/qt/help_viewer.h"
#include "ui/qt/main_menu.h"
#include "ui/qt/pause_loops.h"
#include "ui/qt/qt_host.h"

class QTimer;

namespace vm {

class MusicDevice;
class TableWidget;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    // programFolder ends with "/"; the pictures, sounds and data files live there.
    Form1(const QString& programFolder, MusicDevice& music, QWidget* parent = nullptr);
    // The pictures and sounds from folders.Assets, the options and scores where folders says.
    Form1(const DataFolders& folders, MusicDevice& music, QWidget* parent = nullptr);
    ~Form1() override;

    Session& session() { return m_session; }
    CardPixmaps& pixmaps() { return m_pixmaps; }
    PauseLoops& pauses() { return m_pauses; }
    const MainMenu& menu() const { return *m_menu; }

    // Shows the core's view now; with paintNow also before the next event is handled.
    void renderView(bool paintNow = false);

  signals:
    // Once, after the first picture of the table has reached the screen: work that the player
    // need not wait for (such as loading the synthesiser) starts here.
    void firstFramePainted();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // F1 inside a dialog opens the rules beside it, as it does from the table.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectMenu();
    void connectTable();
    // Runs a core call; a turn cut short ends here, and once no command is running any
    // more the recorded requests are carried out.
    void runCommand(const std::function<void()>& command);
    void runGuarded(const std::function<void()>& command);
    void carryOutRequests();
    void centreOnScreen();
    void takeFocusBack();

    void mnuNew_Click();
    void mnuAbort_Click();
    void mnuPlayMatch_Click();
    void mnuCPUMatch_Click();
    void mnuDealPile_Click();
    void Timer1_Tick();

    DataFolders m_folders;
    QString m_folder;
    MusicDevice& m_music;
    CardPixmaps m_pixmaps;
    QtHost m_host;
    Session m_session;
    PauseLoops m_pauses;
    HelpViewer m_help;
    TableWidget* m_table = nullptr;
    std::unique_ptr<MainMenu> m_menu;
    QTimer* m_timer1 = nullptr;
    int m_commandDepth = 0;
    bool m_shutDown = false;
};

}  // namespace vm

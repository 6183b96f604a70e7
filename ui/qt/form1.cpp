#include "ui/qt/form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "play/flow.h"
#include "play/keyboard_input.h"
#include "play/lifecycle.h"
#include "play/music.h"
#include "play/options_commands.h"
#include "play/player_input.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/high_scores_dialog.h"
#include "ui/qt/music_dialog.h"
#include "ui/qt/pile_dialog.h"
#include "ui/qt/table_widget.h"

namespace vm {

Form1::Form1(const QString& programFolder, MusicDevice& music, QWidget* parent)
    : Form1(PortableFolders(programFolder.toStdString()), music, parent) {}

Form1::Form1(const DataFolders& folders, MusicDevice& music, QWidget* parent)
    : QMainWindow(parent),
      m_folders(folders),
      m_folder(QString::fromStdString(folders.Assets)),
      m_music(music),
      m_pixmaps(m_folder),
      m_host(*this),
      m_session(m_host),
      m_help(m_folder, this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmoria"));
    setWindowIcon(QIcon(m_folder + QStringLiteral("velmoria.png")));
    m_table = new TableWidget(m_pixmaps, m_folder, this);
    setCentralWidget(m_table);
    // The keys of play go to the table, the window's only widget that takes the focus.
    m_table->setFocus();
    qApp->installEventFilter(this);
    m_menu = std::make_unique<MainMenu>(menuBar());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connectMenu();
    connectTable();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(5000);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Tick);
    m_timer1->start();

    runCommand([this] { StartUp(m_session, m_music, m_folders); });
    centreOnScreen();
}

Form1::~Form1() = default;

void Form1::connectMenu() {
    const MainMenu& m = *m_menu;
    connect(m.mnuNew, &QAction::triggered, this, &Form1::mnuNew_Click);
    connect(m.mnuAbort, &QAction::triggered, this, &Form1::mnuAbort_Click);
    connect(m.mnuExit, &QAction::triggered, this, &QWidget::close);
    const auto command = [this](QAction* item, std::function<void()> run) {
        connect(item, &QAction::triggered, this, [this, run] { runCommand(run); });
    };
    command(m.mnuSuit, [this] { mnuSuit_Click(m_session); });
    command(m.mnuDebug, [this] { mnuDebug_Click(m_session); });
    command(m.mnuFast, [this] { SetDealSpeed(m_session, 1); });
    command(m.mnuModerate, [this] { SetDealSpeed(m_session, 2); });
    command(m.mnuSlow, [this] { SetDealSpeed(m_session, 3); });
    command(m.mnuSound, [this] { mnuSound_Click(m_session); });
    command(m.mnuMusic, [this] { mnuMusic_Click(m_session, m_music); });
    command(m.mnuTrack, [this] {
        ShowMusicDialog(this, m_session);
        AfterMusicDialog(m_session, m_music);
    });
    command(m.mnuSaveOptions, [this] { mnuSaveOptions_Click(m_session); });
    connect(m.mnuHighScores, &QAction::triggered, this,
            [this] { ShowHighScores(this, m_session.highScores); });
    connect(m.mnuPlayMatch, &QAction::triggered, this, &Form1::mnuPlayMatch_Click);
    connect(m.mnuCPUMatch, &QAction::triggered, this, &Form1::mnuCPUMatch_Click);
    connect(m.mnuDealPile, &QAction::triggered, this, &Form1::mnuDealPile_Click);
    connect(m.mnuRules, &QAction::triggered, this, [this] { m_help.showRules(this); });
    connect(m.mnuAbout, &QAction::triggered, this, [this] { showAboutDialog(this, m_folder); });
}

void Form1::connectTable() {
    connect(m_table, &TableWidget::handPointerMoved, this,
            [this](int i) { runCommand([this, i] { picHand_MouseMove(m_session, i); }); });
    connect(m_table, &TableWidget::handClicked, this,
            [this](int i) { runCommand([this, i] { picHand_Click(m_session, i); }); });
    connect(m_table, &TableWidget::deskClicked, this,
            [this](int i) { runCommand([this, i] { picDesk_Click(m_session, i); }); });
    // Queued, so it runs once the painted frame has been handed to the screen.
    connect(m_table, &TableWidget::firstPainted, this, &Form1::firstFramePainted,
            Qt::QueuedConnection);
    connect(m_table, &TableWidget::keyPressed, this,
            [this](Key key) { runCommand([this, key] { KeyPressed(m_session, key); }); });
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && static_cast<QWidget*>(watched)->window() == dialog) {
            m_help.showRules(dialog);
            return true;
        }
    }
    // Not every window system gives the focus back when a dialog closes; once no dialog is
    // open any more, the table takes it.
    if (event->type() == QEvent::Hide && qobject_cast<QDialog*>(watched))
        QMetaObject::invokeMethod(this, &Form1::takeFocusBack, Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

void Form1::takeFocusBack() {
    if (QApplication::activeModalWidget() || !isVisible())
        return;
    activateWindow();
    m_table->setFocus();
}

void Form1::renderView(bool paintNow) {
    m_table->render(m_session.view);
    m_menu->apply(m_session.view.Menu);
    if (paintNow)
        m_table->repaint();
}

void Form1::runCommand(const std::function<void()>& command) {
    runGuarded(command);
    if (m_commandDepth == 0)
        carryOutRequests();
}

void Form1::runGuarded(const std::function<void()>& command) {
    ++m_commandDepth;
    try {
        command();
    } catch (const TurnAbandoned&) {
        // The turn is over; what cut it short is carried out by the outermost command.
    }
    --m_commandDepth;
    renderView();
}

void Form1::carryOutRequests() {
    for (;;) {
        switch (m_pauses.take()) {
            case Request::None:
                return;
            case Request::NewGame:
                runGuarded([this] { NewGame(m_session); });
                break;
            case Request::AbortGame:
                runGuarded([this] { AbortGame(m_session); });
                break;
            case Request::Close:
                close();
                return;
        }
    }
}

void Form1::mnuNew_Click() {
    if (m_commandDepth > 0) {
        m_pauses.request(Request::NewGame);
        return;
    }
    runCommand([this] { NewGame(m_session); });
}

void Form1::mnuAbort_Click() {
    if (m_commandDepth == 0) {
        runCommand([this] {
            if (ConfirmAbort(m_session))
                AbortGame(m_session);
        });
        return;
    }
    if (ConfirmAbort(m_session))
        m_pauses.request(Request::AbortGame);
}

void Form1::mnuPlayMatch_Click() {
    runCommand([this] { ShowCapturedPiles(m_session, HumanSide); });
}

void Form1::mnuCPUMatch_Click() {
    runCommand([this] { ShowCapturedPiles(m_session, ComputerSide); });
}

void Form1::mnuDealPile_Click() {
    if (const auto pile = PileToShow(m_session))
        showPileDialog(this, m_pixmaps, *pile);
}

void Form1::Timer1_Tick() {
    vm::Timer1_Tick(m_session, m_music);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (m_commandDepth > 0) {
        // A turn is under way: end it first, then close from a clean stack.
        m_pauses.request(Request::Close);
        event->ignore();
        return;
    }
    if (!m_shutDown) {
        m_shutDown = true;
        m_timer1->stop();
        ShutDown(m_session, m_music);
    }
    event->accept();
}

void Form1::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    adjustSize();
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace vm

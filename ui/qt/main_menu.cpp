#include "ui/qt/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vm {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* addSubmenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}, bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QKeySequence ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

void applyItem(QAction* action, const MenuItemState& state) {
    action->setChecked(state.Checked);
    action->setEnabled(state.Enabled);
    action->setVisible(state.Visible);
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    QMenu* file = addMenu(bar, "mnuFile", QObject::tr("File"));
    mnuNew = addItem(file, "mnuNew", QObject::tr("&New"), ctrl(Qt::Key_N));
    mnuAbort = addItem(file, "mnuAbort", QObject::tr("&Abort"), ctrl(Qt::Key_A));
    addSeparator(file, "mnuSep");
    mnuExit = addItem(file, "mnuExit", QObject::tr("E&xit"), ctrl(Qt::Key_X));

    QMenu* options = addMenu(bar, "mnuOptions", QObject::tr("Options"));
    mnuSuit = addItem(options, "mnuSuit", QObject::tr("Suit and Scores"), {}, true);
    mnuDebug = addItem(options, "mnuDebug", QObject::tr("Debug"), {}, true);
    QMenu* speed = addSubmenu(options, "mnuDealSpeed", QObject::tr("Deal Speed"));
    mnuFast = addItem(speed, "mnuFast", QObject::tr("Fast"), {}, true);
    mnuModerate = addItem(speed, "mnuModerate", QObject::tr("Moderate"), {}, true);
    mnuSlow = addItem(speed, "mnuSlow", QObject::tr("Slow"), {}, true);
    addSeparator(options, "mnuSep3");
    mnuSound = addItem(options, "mnuSound", QObject::tr("&Sound Effects"), ctrl(Qt::Key_S), true);
    mnuMusic =
        addItem(options, "mnuMusic", QObject::tr("&Background Music"), ctrl(Qt::Key_B), true);
    mnuTrack = addItem(options, "mnuTrack", QObject::tr("Choose &Music..."), ctrl(Qt::Key_M));
    addSeparator(options, "mnuSep4");
    mnuSaveOptions =
        addItem(options, "mnuSaveOptions", QObject::tr("Save &Options"), ctrl(Qt::Key_O));

    QMenu* view = addMenu(bar, "mnuView", QObject::tr("View"));
    mnuHighScores = addItem(view, "mnuHighScores", QObject::tr("&High Scores"), ctrl(Qt::Key_H));
    mnuSep6 = addSeparator(view, "mnuSep6");
    mnuPlayMatch = addItem(view, "mnuPlayMatch", QObject::tr("Players Matches"));
    mnuCPUMatch = addItem(view, "mnuCPUMatch", QObject::tr("CPU Matches"));
    mnuSep5 = addSeparator(view, "mnuSep5");
    mnuDealPile = addItem(view, "mnuDealPile", QObject::tr("Dealing Pile"));

    QMenu* help = addMenu(bar, "mnuHelp", QObject::tr("Help"));
    mnuRules = addItem(help, "mnuRules", QObject::tr("Rules"), QKeySequence(Qt::Key_F1));
    addSeparator(help, "mnuSep2");
    mnuAbout = addItem(help, "mnuAbout", QObject::tr("About"));
}

void MainMenu::apply(const MenuState& state) {
    applyItem(mnuAbort, state.mnuAbort);
    applyItem(mnuSuit, state.mnuSuit);
    applyItem(mnuDebug, state.mnuDebug);
    applyItem(mnuFast, state.mnuFast);
    applyItem(mnuModerate, state.mnuModerate);
    applyItem(mnuSlow, state.mnuSlow);
    applyItem(mnuSound, state.mnuSound);
    applyItem(mnuMusic, state.mnuMusic);
    applyItem(mnuSep6, state.mnuSep6);
    applyItem(mnuPlayMatch, state.mnuPlayMatch);
    applyItem(mnuCPUMatch, state.mnuCPUMatch);
    applyItem(mnuSep5, state.mnuSep5);
    applyItem(mnuDealPile, state.mnuDealPile);
}

}  // namespace vm

#pragma once
// The menu bar of the main window. Items carry their names as object names; the states that
// can change come from the core's MenuState.

#include <QKeySequence>
#include <QObject>

#include "view/table_view.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vm {

struct MainMenu {
    explicit MainMenu(QMenuBar* bar);

    void apply(const MenuState& state);

    QAction* mnuNew;
    QAction* mnuAbort;
    QAction* mnuExit;
    QAction* mnuSuit;
    QAction* mnuDebug;
    QAction* mnuFast;
    QAction* mnuModerate;
    QAction* mnuSlow;
    QAction* mnuSound;
    QAction* mnuMusic;
    QAction* mnuTrack;
    QAction* mnuSaveOptions;
    QAction* mnuHighScores;
    QAction* mnuSep6;
    QAction* mnuPlayMatch;
    QAction* mnuCPUMatch;
    QAction* mnuSep5;
    QAction* mnuDealPile;
    QAction* mnuRules;
    QAction* mnuAbout;
};

}  // namespace vm

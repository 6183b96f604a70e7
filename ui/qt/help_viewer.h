#pragma once
// The rules, read in a window of their own beside the game.

#include <QPointer>
#include <QString>
#include <QTextBrowser>

class QWidget;

namespace vm {

class HelpViewer {
  public:
    // `home` is the main window, which the viewer belongs to.
    HelpViewer(QString programFolder, QWidget* home)
        : m_folder(std::move(programFolder)), m_home(home) {}

    // Opens the rules at their top, or says plainly that they are missing. Asked from a modal
    // dialog, the viewer belongs to that dialog while it is open, so that the dialog does not
    // block it, and returns to the main window when the dialog closes.
    void showRules(QWidget* owner);
    QTextBrowser* browser() const { return m_browser; }

  private:
    void moveTo(QWidget* owner);

    QString m_folder;
    QWidget* m_home;
    QPointer<QTextBrowser> m_browser;
};

}  // namespace vm

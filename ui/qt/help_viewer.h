#pragma once
// The rules, read in a window of their own beside the game.

#include <QPointer>
#include <QString>
#include <QTextBrowser>

class QWidget;

namespace vm {

class HelpViewer {
  public:
    explicit HelpViewer(QString programFolder) : m_folder(std::move(programFolder)) {}

    // Opens the rules at their top, or says plainly that they are missing.
    void showRules(QWidget* parent);
    QTextBrowser* browser() const { return m_browser; }

  private:
    QString m_folder;
    QPointer<QTextBrowser> m_browser;
};

}  // namespace vm

#include "ui/qt/help_viewer.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

#include "ui/qt/message_boxes.h"

namespace vm {

void HelpViewer::showRules(QWidget* parent) {
    const QString path = m_folder + QStringLiteral("VELMORIA.HLP");
    if (!QFileInfo(path).isFile()) {
        showNotice(parent, QStringLiteral("The rules cannot be shown: VELMORIA.HLP is missing "
                                          "from the program's folder."));
        return;
    }
    if (!m_browser) {
        m_browser = new QTextBrowser(parent);
        m_browser->setObjectName(QStringLiteral("helpViewer"));
        m_browser->setWindowFlag(Qt::Window);
        m_browser->setAttribute(Qt::WA_DeleteOnClose);
        m_browser->setWindowTitle(QStringLiteral("Velmoria Rules"));
        m_browser->setSearchPaths({m_folder});
        m_browser->setOpenExternalLinks(true);
        m_browser->resize(640, 560);
    }
    // The file is HTML whatever its old-fashioned name says.
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    m_browser->verticalScrollBar()->setValue(0);
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

}  // namespace vm

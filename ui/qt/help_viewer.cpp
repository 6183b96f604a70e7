#include "ui/qt/help_viewer.h"

#include <QDialog>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

#include "ui/qt/message_boxes.h"

namespace vm {

void HelpViewer::showRules(QWidget* owner) {
    const QString path = m_folder + QStringLiteral("VELMORIA.HLP");
    if (!QFileInfo(path).isFile()) {
        showNotice(owner, QStringLiteral("The rules cannot be shown: VELMORIA.HLP is missing "
                                         "from the program's folder."));
        return;
    }
    if (!m_browser) {
        m_browser = new QTextBrowser(owner);
        m_browser->setObjectName(QStringLiteral("helpViewer"));
        m_browser->setWindowFlag(Qt::Window);
        m_browser->setAttribute(Qt::WA_DeleteOnClose);
        m_browser->setWindowTitle(QStringLiteral("Velmoria Rules"));
        m_browser->setSearchPaths({m_folder});
        m_browser->setOpenExternalLinks(true);
        m_browser->resize(640, 560);
    } else {
        moveTo(owner);
    }
    if (auto* dialog = qobject_cast<QDialog*>(owner); dialog && owner != m_home) {
        QObject::connect(
            dialog, &QDialog::finished, m_browser,
            [this, dialog] {
                if (m_browser->parentWidget() != dialog)
                    return;
                // Back beside the table without taking the focus from it.
                m_browser->setAttribute(Qt::WA_ShowWithoutActivating);
                moveTo(m_home);
                m_browser->show();
                m_browser->setAttribute(Qt::WA_ShowWithoutActivating, false);
            },
            Qt::SingleShotConnection);
    }
    // The file is HTML whatever its old-fashioned name says.
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    m_browser->verticalScrollBar()->setValue(0);
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

void HelpViewer::moveTo(QWidget* owner) {
    if (m_browser->parentWidget() == owner)
        return;
    const QRect geometry = m_browser->geometry();
    m_browser->setParent(owner, m_browser->windowFlags());
    m_browser->setGeometry(geometry);
}

}  // namespace vm

#include "ui/qt/message_boxes.h"

#include <QMessageBox>

namespace vm {

void showNotice(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velmoria"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("notice"));
    box.exec();
}

bool askAbort(QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Abort!"), QStringLiteral("Abort Game?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("abortQuestion"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vm

#include "ui/qt/debugger_dialog.h"

#include <QDialog>
#include <QFontDatabase>
#include <QPlainTextEdit>

#include "ui/qt/dialog_parts.h"
#include "ui/qt/twips.h"

namespace vm {

void showDebuggerDialog(QWidget* parent, const std::string& text) {
    QDialog dialog(parent);
    setUpDialog(dialog, "Debugger", QStringLiteral("Debugger"), 4815, 3555);
    auto* text1 = new QPlainTextEdit(&dialog);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setGeometry(TwipRect(120, 120, 4575, 2835));
    text1->setReadOnly(true);
    text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(10);
    text1->setFont(font);
    // The dump ends its lines with CR LF; the box wants plain line breaks.
    text1->setPlainText(coreText(text).remove(QLatin1Char('\r')));
    addOkButton(dialog, TwipRect(3960, 3075, 735, 375), QStringLiteral("Ok"));
    dialog.exec();
}

}  // namespace vm

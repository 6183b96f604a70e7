#pragma once
// The program's two kinds of message box: a notice with OK, and the abort question.

#include <QString>

class QWidget;

namespace vm {

void showNotice(QWidget* parent, const QString& text);
// "Abort Game?" with Yes and No, No the default: true for Yes.
bool askAbort(QWidget* parent);

}  // namespace vm

#pragma once
// "Debugger": the computer's last evaluation, one candidate a line.

#include <string>

class QWidget;

namespace vm {

void showDebuggerDialog(QWidget* parent, const std::string& text);

}  // namespace vm

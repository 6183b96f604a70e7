#pragma once
// "About Velmoria": title, version, credits and the System Info button.

class QWidget;
class QString;

namespace vm {

void showAboutDialog(QWidget* parent, const QString& programFolder);

}  // namespace vm

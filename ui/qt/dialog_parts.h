#pragma once
// Building blocks of the fixed-layout dialogs: labels and buttons placed in twips, and text
// that must fit the room the layout gives it.

#include <QString>
#include <string>

class QDialog;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

namespace vm {

// The core keeps its texts in UTF-8.
QString coreText(const std::string& text);

// A fixed-size modal dialog of the given client size in twips.
void setUpDialog(QDialog& dialog, const char* name, const QString& caption, int widthTwips,
                 int heightTwips);

QLabel* addDialogLabel(QWidget* parent, const QRect& geometry, const QString& name,
                       const QString& text);
// A button that closes its dialog.
QPushButton* addOkButton(QDialog& dialog, const QRect& geometry, const QString& caption);

// Shrinks the label's font, down to a readable minimum, until its text fits its width; a text
// still too wide ends in an ellipsis and is whole in the tooltip.
void fitToWidth(QLabel* label);

}  // namespace vm

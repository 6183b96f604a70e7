#pragma once
// "Enter your Name": asks the winner's name for the high-score table.

#include <QDialog>
#include <string>

class QLineEdit;

namespace vm {

class HighScoreNameDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens holding `name`, the name entered last.
    explicit HighScoreNameDialog(const std::string& name, QWidget* parent = nullptr);

    // The box's text as it stands, however the dialog was closed.
    std::string typedName() const;

  private:
    QLineEdit* m_txtName;
};

// Shows the dialog modally and returns the text as typed; closing it by its close box or
// Escape counts as "Ok".
std::string AskHighScoreName(QWidget* parent, const std::string& name);

}  // namespace vm

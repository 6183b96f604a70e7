#include "ui/qt/high_score_name_dialog.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/qt/dialog_parts.h"
#include "ui/qt/twips.h"

namespace vm {

HighScoreNameDialog::HighScoreNameDialog(const std::string& name, QWidget* parent)
    : QDialog(parent) {
    setUpDialog(*this, "HighScoreName", QStringLiteral("Enter your Name"), 4800, 2070);

    QLabel* heading =
        addDialogLabel(this, TwipRect(120, 120, 4560, 360), QStringLiteral("lblCongratulations"),
                       QStringLiteral("CONGRATULATIONS !!"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPixelSize(font.pixelSize() + 6);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);

    QLabel* prompt =
        addDialogLabel(this, TwipRect(120, 600, 4560, 285), QStringLiteral("lblPrompt"),
                       QStringLiteral("Please enter your name for the High Score Table"));
    prompt->setAlignment(Qt::AlignCenter);
    fitToWidth(prompt);

    m_txtName = new QLineEdit(QString::fromStdString(name), this);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setGeometry(TwipRect(600, 1020, 3600, 330));
    m_txtName->selectAll();
    // A screen reader names the box by the prompt above it.
    prompt->setBuddy(m_txtName);

    addOkButton(*this, TwipRect(2002, 1560, 795, 375), QStringLiteral("Ok"));
    m_txtName->setFocus();
}

std::string HighScoreNameDialog::typedName() const {
    return m_txtName->text().toStdString();
}

std::string AskHighScoreName(QWidget* parent, const std::string& name) {
    HighScoreNameDialog dialog(name, parent);
    dialog.exec();
    return dialog.typedName();
}

}  // namespace vm

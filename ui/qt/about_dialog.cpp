#include "ui/qt/about_dialog.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/qt/dialog_parts.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/sys_info.h"
#include "ui/qt/twips.h"

namespace vm {

namespace {

const char* const Credits =
    "A game of Japanese flower cards for one player against the computer. "
    "Card pictures, sounds, music and rules were made for Velmoria by its developers.";

// The title face of the box, or a condensed bold face of the same spirit.
QFont titleFont(int pixelSize) {
    const bool installed = QFontDatabase::families().contains(QStringLiteral("Haettenschweiler"));
    QFont font(installed ? QStringLiteral("Haettenschweiler")
                         : QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(pixelSize);
    if (!installed) {
        font.setBold(true);
        font.setStretch(QFont::Condensed);
    }
    return font;
}

void addLine(QDialog& dialog, const char* name, int y, const QColor& colour) {
    auto* line = new QFrame(&dialog);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(TwipRect(84, y, 5310, 15));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
}

}  // namespace

void showAboutDialog(QWidget* parent, const QString& programFolder) {
    QDialog dialog(parent);
    setUpDialog(dialog, "frmAbout", QStringLiteral("About Velmoria"), 5730, 3750);

    auto* picIcon = new QLabel(&dialog);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipRect(240, 240, 480, 480));
    picIcon->setScaledContents(true);
    picIcon->setPixmap(QPixmap(programFolder + QStringLiteral("velmoria.png")));

    QLabel* lblTitle = addDialogLabel(&dialog, TwipRect(1050, 180, 4440, 540),
                                      QStringLiteral("lblTitle"), QStringLiteral("Velmoria"));
    lblTitle->setFont(titleFont(30));
    QLabel* lblVersion =
        addDialogLabel(&dialog, TwipRect(1050, 780, 4440, 300), QStringLiteral("lblVersion"),
                       QStringLiteral("Version " VELMORIA_VERSION));
    lblVersion->setFont(titleFont(16));
    QLabel* lblDescription =
        addDialogLabel(&dialog, TwipRect(1050, 1170, 4440, 1080), QStringLiteral("lblDescription"),
                       QString::fromLatin1(Credits));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    addLine(dialog, "Line1", 2430, QColor(128, 128, 128));
    addLine(dialog, "Line2", 2445, QColor(255, 255, 255));

    QLabel* lblDisclaimer =
        addDialogLabel(&dialog, TwipRect(255, 2625, 3870, 625), QStringLiteral("lblDisclaimer"),
                       QStringLiteral("Japanese Flower Cards"));
    lblDisclaimer->setFont(titleFont(20));
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* cmdOK = addOkButton(dialog, TwipRect(4245, 2625, 1260, 345), QStringLiteral("OK"));
    cmdOK->setAutoDefault(true);
    auto* cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), &dialog);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(TwipRect(4245, 3075, 1260, 345));
    cmdSysInfo->setAutoDefault(false);
    QObject::connect(cmdSysInfo, &QPushButton::clicked, &dialog, [&dialog] {
        if (!StartSysInfo())
            showNotice(&dialog, QStringLiteral("System Information Is Unavailable At This Time"));
    });
    dialog.exec();
}

}  // namespace vm

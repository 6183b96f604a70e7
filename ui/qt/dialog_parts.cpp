#include "ui/qt/dialog_parts.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "ui/qt/twips.h"

namespace vm {

namespace {
constexpr int DialogFontPixels = 12;
constexpr int SmallestFontPixels = 9;
}  // namespace

QString coreText(const std::string& text) {
    return QString::fromStdString(text);
}

void setUpDialog(QDialog& dialog, const char* name, const QString& caption, int widthTwips,
                 int heightTwips) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    dialog.setFixedSize(TwipSize(widthTwips, heightTwips));
}

QLabel* addDialogLabel(QWidget* parent, const QRect& geometry, const QString& name,
                       const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(DialogFontPixels);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

QPushButton* addOkButton(QDialog& dialog, const QRect& geometry, const QString& caption) {
    auto* button = new QPushButton(caption, &dialog);
    button->setObjectName(QStringLiteral("cmdOK"));
    button->setGeometry(geometry);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return button;
}

void fitToWidth(QLabel* label) {
    QFont font = label->font();
    while (font.pixelSize() > SmallestFontPixels &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    // A player's name can be of any length: what the smallest font cannot hold is cut at a
    // visible ellipsis, and the whole name is still there to point at or to be read aloud.
    const QFontMetrics metrics(font);
    const QString whole = label->text();
    if (metrics.horizontalAdvance(whole) > label->width()) {
        label->setText(metrics.elidedText(whole, Qt::ElideRight, label->width()));
        label->setToolTip(whole);
        label->setAccessibleName(whole);
    }
}

}  // namespace vm

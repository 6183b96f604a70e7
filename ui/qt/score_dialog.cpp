#include "ui/qt/score_dialog.h"

#include <QDialog>
#include <QLabel>

#include "ui/qt/card_widget.h"
#include "ui/qt/dialog_parts.h"
#include "ui/qt/twips.h"

namespace vm {

namespace {

// Where one side's widgets stand, in twips. The halves mirror each other around the middle;
// labels whose text is wider than the room the design gives them are aligned towards the
// edge of their half so nothing is cut off.
struct HalfLayout {
    const char* prefix;  // "Player" or "CPU"
    const char* cardsHeading;
    const char* meldsHeading;
    int headingX;
    QRect scoreLabel;
    Qt::Alignment scoreAlign;
    int cardsX;
    int meldHeadingX;
    QRect meldScoreLabel;
    Qt::Alignment meldScoreAlign;
    int meldsX;
    QRect meldTitle;  // row 1; the others follow the rows
    Qt::Alignment meldTitleAlign;
    QRect totalLabel;
    Qt::Alignment totalAlign;
};

constexpr int MeldRowTop = 3900;
constexpr int MeldRowStep = 672;
constexpr int TextHeight = 240;

const HalfLayout PlayerHalf{"Player",
                            "Player Scoring Cards",
                            "Player Melds",
                            180,
                            TwipRect(4440, 60, 1860, TextHeight),
                            Qt::AlignLeft,
                            180,
                            180,
                            TwipRect(4380, 3660, 1620, TextHeight),
                            Qt::AlignLeft,
                            180,
                            TwipRect(3600, MeldRowTop, 2400, TextHeight),
                            Qt::AlignRight,
                            TwipRect(3600, 7920, 2400, TextHeight),
                            Qt::AlignRight};

const HalfLayout CPUHalf{"CPU",
                         "CPU Scoring Cards",
                         "CPU Melds",
                         6360,
                         TwipRect(8400, 60, 3255, TextHeight),
                         Qt::AlignRight,
                         6360,
                         10860,
                         TwipRect(6060, 3660, 2220, TextHeight),
                         Qt::AlignLeft,
                         8340,
                         TwipRect(6060, MeldRowTop, 2220, TextHeight),
                         Qt::AlignLeft,
                         TwipRect(6060, 7920, 2400, TextHeight),
                         Qt::AlignLeft};

QLabel* addText(QDialog& dialog, const QRect& geometry, const QString& name, const QString& text,
                Qt::Alignment align) {
    QLabel* label = addDialogLabel(&dialog, geometry, name, text);
    label->setAlignment(align | Qt::AlignVCenter);
    fitToWidth(label);
    return label;
}

void addCard(QDialog& dialog, CardPixmaps& pixmaps, const QRect& geometry, const QString& name,
             const std::string& picture) {
    auto* card = new CardWidget(pixmaps, geometry, &dialog);
    card->setObjectName(name);
    card->setPicture(picture);
    card->setVisible(!picture.empty());
}

void addHalf(QDialog& dialog, CardPixmaps& pixmaps, const HalfLayout& half,
             const ScoreboardSide& side) {
    const QString prefix = QString::fromLatin1(half.prefix);
    addText(dialog, TwipRect(half.headingX, 60, 2400, TextHeight),
            QStringLiteral("lbl%1Heading").arg(prefix), QString::fromLatin1(half.cardsHeading),
            Qt::AlignLeft);
    addText(dialog, half.scoreLabel, QStringLiteral("lbl%1Score").arg(prefix),
            coreText(side.ScoreLabel), half.scoreAlign);
    for (int k = 1; k <= 24; ++k) {
        constexpr int rowTops[] = {300, 1380, 2460};
        addCard(dialog, pixmaps, CardRect(half.cardsX + 660 * ((k - 1) % 8), rowTops[(k - 1) / 8]),
                QStringLiteral("pic%1_%2").arg(prefix).arg(k), side.ScoringCards[k]);
    }

    addText(dialog, TwipRect(half.meldHeadingX, 3660, 1000, TextHeight),
            QStringLiteral("lbl%1MeldsHeading").arg(prefix), QString::fromLatin1(half.meldsHeading),
            Qt::AlignLeft);
    addText(dialog, half.meldScoreLabel, QStringLiteral("lbl%1MeldScore").arg(prefix),
            coreText(side.MeldScoreLabel), half.meldScoreAlign);
    for (int row = 1; row <= 6; ++row) {
        const int top = MeldRowTop + MeldRowStep * (row - 1);
        for (int j = 0; j < 5; ++j) {
            const int index = 5 * (row - 1) + j + 1;
            addCard(dialog, pixmaps, CardRect(half.meldsX + 660 * j, top),
                    QStringLiteral("pic%1Meld_%2").arg(prefix).arg(index),
                    side.MeldPictures[index]);
        }
        addText(dialog, half.meldTitle.translated(0, Px(top - MeldRowTop)),
                QStringLiteral("lbl%1Meld_%2").arg(prefix).arg(row), coreText(side.MeldTitles[row]),
                half.meldTitleAlign);
    }
    addText(dialog, half.totalLabel, QStringLiteral("lbl%1Total").arg(prefix),
            coreText(side.TotalLabel), half.totalAlign);
}

}  // namespace

void showScoreDialog(QWidget* parent, CardPixmaps& pixmaps, const ScoreboardView& view) {
    QDialog dialog(parent);
    setUpDialog(dialog, "Score", QStringLiteral("Velmoria Scoreboard"), 11880, 8595);
    addHalf(dialog, pixmaps, PlayerHalf, view.Player);
    addHalf(dialog, pixmaps, CPUHalf, view.CPU);
    addOkButton(dialog, TwipRect(5520, 8220, 795, 315), QStringLiteral("Ok"));
    dialog.exec();
}

}  // namespace vm

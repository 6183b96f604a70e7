#include "ui/qt/high_scores_dialog.h"

#include <QGroupBox>
#include <QLabel>

#include "ui/qt/dialog_parts.h"
#include "ui/qt/twips.h"

namespace vm {

namespace {

// Columns and rows inside the "Ranking" frame, in twips.
constexpr int NameX = 240;
constexpr int NameWidth = 2760;
constexpr int ScoreX = 3120;
constexpr int ScoreWidth = 720;
constexpr int DateX = 4080;
constexpr int DateWidth = 1200;
constexpr int HeadingY = 300;
constexpr int FirstRowY = 600;
constexpr int RowStep = 300;
constexpr int TextHeight = 255;

QLabel* addCell(QWidget* frame, int x, int width, int y, const QString& name, const QString& text) {
    QLabel* label = addDialogLabel(frame, TwipRect(x, y, width, TextHeight), name, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

HighScoresDialog::HighScoresDialog(const HighScoreTable& table, QWidget* parent) : QDialog(parent) {
    setUpDialog(*this, "HighScores", QStringLiteral("High Score Table"), 5640, 4380);

    auto* frame = new QGroupBox(QStringLiteral("Ranking"), this);
    frame->setObjectName(QStringLiteral("fraRanking"));
    frame->setGeometry(TwipRect(120, 60, 5400, 3660));

    QFont bold = font();
    bold.setBold(true);
    const struct {
        int x;
        int width;
        const char* text;
    } headings[] = {
        {NameX, NameWidth, "Name"}, {ScoreX, ScoreWidth, "Score"}, {DateX, DateWidth, "Date"}};
    for (const auto& heading : headings) {
        const QString text = QString::fromLatin1(heading.text);
        addCell(frame, heading.x, heading.width, HeadingY, QStringLiteral("lbl") + text + "Heading",
                text)
            ->setFont(bold);
    }

    for (int row = 1; row <= HighScoreTable::Size; ++row) {
        const HighScoreEntry& entry = table[row];
        const int y = FirstRowY + RowStep * (row - 1);
        fitToWidth(addCell(frame, NameX, NameWidth, y, QStringLiteral("lblName_%1").arg(row),
                           QString::fromStdString(entry.Name)));
        addCell(frame, ScoreX, ScoreWidth, y, QStringLiteral("lblScore_%1").arg(row),
                QString::number(entry.Score))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        addCell(frame, DateX, DateWidth, y, QStringLiteral("lblDate_%1").arg(row),
                QString::fromStdString(entry.Date));
    }

    addOkButton(*this, TwipRect(2422, 3870, 795, 375), QStringLiteral("Ok"));
}

void ShowHighScores(QWidget* parent, const HighScoreTable& table) {
    HighScoresDialog dialog(table, parent);
    dialog.exec();
}

}  // namespace vm

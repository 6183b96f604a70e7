#pragma once
// "High Score Table": the ten best results, best first.

#include <QDialog>

#include "records/high_score_table.h"

namespace vm {

class HighScoresDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HighScoresDialog(const HighScoreTable& table, QWidget* parent = nullptr);
};

void ShowHighScores(QWidget* parent, const HighScoreTable& table);

}  // namespace vm

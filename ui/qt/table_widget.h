#pragma once
// The client area of the main window: the background, every card place, the outline markers,
// the score and turns-left labels and the twelve month piles, drawn from the core's TableView.
// It holds the keyboard focus of the window and passes the keys of play in.

#include <QPixmap>
#include <QWidget>

#include "model/one_based.h"
#include "play/keyboard_input.h"
#include "view/table_view.h"

class QLabel;

namespace vm {

class CardPixmaps;
class CardWidget;

class TableWidget : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Width = 792;
    static constexpr int Height = 554;

    TableWidget(CardPixmaps& pixmaps, const QString& programFolder, QWidget* parent);

    void render(const TableView& view);

  signals:
    void handPointerMoved(int index);
    void handClicked(int index);
    void deskClicked(int index);
    // Once, when the table has been painted for the first time.
    void firstPainted();
    void keyPressed(vm::Key key);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CardWidget* addPlace(const QRect& geometry, const QString& name);
    QLabel* addLabel(const QRect& geometry, const QString& name, const QString& text);
    void buildMonthPiles();
    void paintMarkers(QPainter& painter) const;
    void speak(const TableView& view);

    CardPixmaps& m_pixmaps;
    QPixmap m_background;
    OneBased<CardWidget*, 10> m_hand{};
    OneBased<CardWidget*, 10> m_comp{};
    OneBased<CardWidget*, 16> m_desk{};
    OneBased<CardWidget*, 2> m_pile{};
    OneBased<OneBased<CardWidget*, 4>, 12> m_months{};
    QLabel* m_lblPlayer = nullptr;
    QLabel* m_lblCPU = nullptr;
    OneBased<QLabel*, 2> m_lblCards{};
    OneBased<QLabel*, 12> m_lblMonths{};
    TableView m_shown;
    bool m_painted = false;
};

}  // namespace vm

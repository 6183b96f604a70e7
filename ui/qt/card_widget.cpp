#include "ui/qt/card_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/card_pixmaps.h"

namespace vm {

CardWidget::CardWidget(CardPixmaps& pixmaps, const QRect& geometry, QWidget* parent)
    : QWidget(parent), m_pixmaps(pixmaps) {
    setGeometry(geometry);
    setMouseTracking(true);
    hide();
}

void CardWidget::setPicture(const std::string& fileName) {
    if (fileName == m_picture)
        return;
    m_picture = fileName;
    update();
}

void CardWidget::paintEvent(QPaintEvent*) {
    if (m_picture.empty())
        return;
    QPainter painter(this);
    paintCard(painter, rect(), m_pixmaps.pixmap(m_picture, size(), devicePixelRatioF()));
}

void CardWidget::mouseMoveEvent(QMouseEvent*) {
    emit pointerMoved();
}

void CardWidget::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

// A click is a press and a release on the same place, as the player expects of a button.
void CardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = std::exchange(m_pressed, false);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()) && m_acceptsClicks)
        emit clicked();
}

}  // namespace vm

#include "ui/qt/card_widget.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "ui/qt/card_pixmaps.h"

namespace vm {

namespace {

// A card place as assistive technology sees it: the core's role, name, place and states.
class CardAccessible : public QAccessibleWidget {
  public:
    explicit CardAccessible(CardWidget* card) : QAccessibleWidget(card) {}

    QAccessible::Role role() const override {
        return speech().Role == SpokenRole::ListItem ? QAccessible::ListItem : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return QString::fromStdString(speech().Name);
        if (t == QAccessible::Description)
            return QString::fromStdString(speech().Description);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const PlaceSpeech place = speech();
        state.invisible = state.invisible || !place.Shown;
        state.selectable = place.Role == SpokenRole::ListItem;
        state.selected = place.Selected;
        // The selection is where the keys act, so a screen reader follows it.
        state.focused = place.Selected && widget()->parentWidget()->hasFocus();
        state.checkable = place.Role == SpokenRole::ListItem;
        state.checked = place.Marked;
        return state;
    }

  private:
    PlaceSpeech speech() const { return static_cast<CardWidget*>(widget())->speech(); }
};

QAccessibleInterface* cardAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("vm::CardWidget") && object && object->isWidgetType())
        return new CardAccessible(static_cast<CardWidget*>(object));
    return nullptr;
}

void notify(QAccessibleEvent&& event) {
    QAccessible::updateAccessibility(&event);
}

}  // namespace

CardWidget::CardWidget(CardPixmaps& pixmaps, const QRect& geometry, QWidget* parent)
    : QWidget(parent), m_pixmaps(pixmaps) {
    static const bool installed = (QAccessible::installFactory(cardAccessible), true);
    (void)installed;
    setGeometry(geometry);
    setMouseTracking(true);
    hide();
}

void CardWidget::setSpeech(const PlaceSpeech& speech) {
    if (m_speech == speech)
        return;
    const PlaceSpeech old = std::exchange(m_speech, speech).value_or(PlaceSpeech{});
    if (!QAccessible::isActive())
        return;
    if (old.Name != speech.Name)
        notify(QAccessibleEvent(this, QAccessible::NameChanged));
    if (old.Description != speech.Description)
        notify(QAccessibleEvent(this, QAccessible::DescriptionChanged));
    QAccessible::State changed;
    changed.selected = old.Selected != speech.Selected;
    changed.checked = old.Marked != speech.Marked;
    if (changed.selected || changed.checked)
        notify(QAccessibleStateChangeEvent(this, changed));
    if (speech.Selected && !old.Selected && parentWidget()->hasFocus())
        notify(QAccessibleEvent(this, QAccessible::Focus));
}

PlaceSpeech CardWidget::speech() const {
    if (m_speech)
        return *m_speech;
    PlaceSpeech picture;
    picture.Name = SpeakPicture(CardName(m_picture));
    picture.Shown = !m_picture.empty();
    return picture;
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

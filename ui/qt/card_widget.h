#pragma once
// One card place: shows a picture by file name and reports the pointer over it and clicks on
// it. A place that does not accept clicks still reports the pointer. To a screen reader it
// says what the core's speech for it says; a card without one (in a dialog) says what its
// picture shows.

#include <QWidget>
#include <optional>
#include <string>

#include "view/table_speech.h"

namespace vm {

class CardPixmaps;

class CardWidget : public QWidget {
    Q_OBJECT
  public:
    CardWidget(CardPixmaps& pixmaps, const QRect& geometry, QWidget* parent);

    void setPicture(const std::string& fileName);
    const std::string& picture() const { return m_picture; }
    void setAcceptsClicks(bool accepts) { m_acceptsClicks = accepts; }
    bool acceptsClicks() const { return m_acceptsClicks; }
    // Tells assistive technology what changed, and moves its focus to a newly selected card.
    void setSpeech(const PlaceSpeech& speech);
    PlaceSpeech speech() const;

  signals:
    void pointerMoved();
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    CardPixmaps& m_pixmaps;
    std::string m_picture;
    bool m_acceptsClicks = false;
    bool m_pressed = false;
    std::optional<PlaceSpeech> m_speech;
};

}  // namespace vm

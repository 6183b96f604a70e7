#pragma once
// Card pictures by file name, loaded on first use and decoded straight to the device pixels
// of the place, so start-up loads nothing, a redraw never touches the disk and only the
// pictures on show are kept.

#include <QHash>
#include <QPixmap>
#include <QString>
#include <string>

class QPainter;
class QRect;

namespace vm {

class CardPixmaps {
  public:
    explicit CardPixmaps(QString folder);

    // A null pixmap when the file cannot be read.
    QPixmap pixmap(const std::string& fileName, QSize logicalSize, qreal devicePixelRatio);

  private:
    QString m_folder;
    QHash<QString, QPixmap> m_scaled;
};

// Draws the card, or an empty card outline when there is no picture.
void paintCard(QPainter& painter, const QRect& rect, const QPixmap& pixmap);

}  // namespace vm

#pragma once
// Card pictures by file name, loaded on first use and scaled once per device pixel ratio,
// so start-up loads nothing and a redraw never touches the disk.

#include <QHash>
#include <QImage>
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
    QHash<QString, QImage> m_images;
    QHash<QString, QPixmap> m_scaled;
};

// Draws the card, or an empty card outline when there is no picture.
void paintCard(QPainter& painter, const QRect& rect, const QPixmap& pixmap);

}  // namespace vm

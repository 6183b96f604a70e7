#include "ui/qt/card_pixmaps.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRect>
#include <utility>

namespace vm {

CardPixmaps::CardPixmaps(QString folder) : m_folder(std::move(folder)) {}

QPixmap CardPixmaps::pixmap(const std::string& fileName, QSize logicalSize,
                            qreal devicePixelRatio) {
    const QString name = QString::fromStdString(fileName);
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(name)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    if (auto found = m_scaled.constFind(key); found != m_scaled.constEnd())
        return *found;

    QImageReader reader(m_folder + name);
    const QSize device = logicalSize * devicePixelRatio;
    QImage image = reader.read();
    QPixmap result;
    if (!image.isNull()) {
        if (image.size() != device)
            image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        result = QPixmap::fromImage(std::move(image));
        result.setDevicePixelRatio(devicePixelRatio);
    }
    m_scaled.insert(key, result);
    return result;
}

void paintCard(QPainter& painter, const QRect& rect, const QPixmap& pixmap) {
    if (!pixmap.isNull()) {
        painter.drawPixmap(rect.topLeft(), pixmap);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 70, 50), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.restore();
}

}  // namespace vm

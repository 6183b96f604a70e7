#include "ui/qt/card_pixmaps.h"

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

    auto image = m_images.constFind(name);
    if (image == m_images.constEnd())
        image = m_images.insert(name, QImage(m_folder + name));
    QPixmap result;
    if (!image->isNull()) {
        const QSize device = logicalSize * devicePixelRatio;
        const QImage fitted = image->size() == device ? *image
                                                      : image->scaled(device, Qt::IgnoreAspectRatio,
                                                                      Qt::SmoothTransformation);
        result = QPixmap::fromImage(fitted);
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

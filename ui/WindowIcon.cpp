#include "ui/WindowIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace platomer {

QIcon windowIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 96, 0), 2));
    painter.setBrush(QColor(240, 200, 40));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(96, 64, 0));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8("Kč"));
    return QIcon(pixmap);
}

}  // namespace platomer

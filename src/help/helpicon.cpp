#include "helpicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    // The tile.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The sun and its rays.
    const QPointF centre(32, 30);
    painter.setPen(QPen(QColor(255, 200, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(i * 45.0);
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * 16, centre + direction * 23);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 60));
    painter.drawEllipse(centre, 12, 12);

    // The veil: a light wave across the lower half.
    QPainterPath veil;
    veil.moveTo(6, 38);
    veil.cubicTo(20, 30, 40, 46, 58, 36);
    veil.lineTo(58, 50);
    veil.cubicTo(40, 58, 22, 44, 6, 52);
    veil.closeSubpath();
    painter.setBrush(QColor(230, 236, 255, 190));
    painter.drawPath(veil);
    return pixmap;
}

} // namespace

QIcon sunveilIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(drawIcon(size));
    return icon;
}

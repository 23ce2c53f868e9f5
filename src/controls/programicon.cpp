#include "programicon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

QPixmap programPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // The sun: a golden disc with eight rays.
    const QPointF centre(16, 14);
    painter.setPen(QPen(QColor(240, 160, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * 10, centre + direction * 14);
    }
    QRadialGradient sun(centre, 8, centre - QPointF(2, 2));
    sun.setColorAt(0, QColor(255, 236, 120));
    sun.setColorAt(1, QColor(245, 170, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(centre, 8, 8);

    // The veil: a soft violet wave across the lower half.
    QPainterPath veil;
    veil.moveTo(0, 20);
    veil.cubicTo(8, 15, 14, 25, 22, 19);
    veil.cubicTo(26, 16, 29, 17, 32, 18);
    veil.lineTo(32, 32);
    veil.lineTo(0, 32);
    veil.closeSubpath();
    painter.setBrush(QColor(90, 70, 170, 200));
    painter.drawPath(veil);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(programPicture(size));
    return icon;
}

QPixmap makerLogo()
{
    QPixmap pixmap(44, 44);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 70, 170), 2));
    painter.setBrush(QColor(245, 240, 255));
    painter.drawRoundedRect(QRectF(1, 1, 42, 42), 8, 8);
    painter.drawPixmap(6, 6, programPicture(32));
    return pixmap;
}

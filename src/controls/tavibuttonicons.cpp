#include "controls/tavibuttonicons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Side = 16;

void drawIcon(QPainter &p, CommandIcon which)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(0x2E, 0x9D, 0x3A);
    const QColor red(0xC8, 0x2A, 0x2A);
    const QColor blue(0x2F, 0x6D, 0xB5);
    const QColor dark(0x40, 0x40, 0x40);
    switch (which) {
    case CommandIcon::Start: {
        QPainterPath triangle;
        triangle.moveTo(4, 2);
        triangle.lineTo(14, 8);
        triangle.lineTo(4, 14);
        triangle.closeSubpath();
        p.fillPath(triangle, green);
        break;
    }
    case CommandIcon::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
        break;
    case CommandIcon::Edit: {
        p.setPen(QPen(QColor(0xE0, 0xA0, 0x20), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(4, 12), QPointF(12.5, 3.5));
        p.setPen(QPen(dark, 1.2));
        p.drawLine(QPointF(2, 14), QPointF(4, 12));
        p.setPen(QPen(blue, 1.5));
        p.drawLine(QPointF(2, 15), QPointF(14, 15));
        break;
    }
    case CommandIcon::Help:
    case CommandIcon::About: {
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter,
                   which == CommandIcon::Help ? QStringLiteral("?") : QStringLiteral("i"));
        break;
    }
    case CommandIcon::Exit:
        p.setPen(QPen(dark, 1.5));
        p.setBrush(QColor(0xF0, 0xF0, 0xF0));
        p.drawRect(QRectF(2, 2, 8, 12));
        p.setPen(QPen(red, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 8), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
        break;
    case CommandIcon::Add:
        p.setPen(QPen(green, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(8, 2), QPointF(8, 14));
        p.drawLine(QPointF(2, 8), QPointF(14, 8));
        break;
    case CommandIcon::Delete:
    case CommandIcon::Cancel:
        p.setPen(QPen(red, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        if (which == CommandIcon::Delete) {
            p.setPen(QPen(dark, 1));
            p.drawLine(QPointF(2, 15.5), QPointF(14, 15.5));
        }
        break;
    case CommandIcon::Save:
        p.setPen(QPen(QColor(0x1F, 0x4E, 0x86), 1));
        p.setBrush(blue);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 2, 8, 5));
        p.setBrush(QColor(0xD0, 0xD0, 0xD0));
        p.drawRect(QRectF(4, 10, 8, 4));
        break;
    case CommandIcon::Ok: {
        QPainterPath tick;
        tick.moveTo(2.5, 8.5);
        tick.lineTo(6.5, 12.5);
        tick.lineTo(13.5, 3.5);
        p.setPen(QPen(green, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        break;
    }
    }
}

QImage render(CommandIcon which, const QColor &background)
{
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    drawIcon(painter, which);
    return image;
}

} // namespace

QIcon commandIcon(CommandIcon which)
{
    return QIcon(QPixmap::fromImage(render(which, Qt::transparent)));
}

QImage commandBitmap(CommandIcon which)
{
    return render(which, Qt::white).convertToFormat(QImage::Format_RGB32);
}

#include "flashwindow.h"

#include "displaysettings.h"
#include "flashplacement.h"

#include "platform/colorvalue.h"
#include "platform/numbertext.h"

#include <QBitmap>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

FlashWindow::FlashWindow(const AppContext &context, const DisplaySettings &settings)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus)
    , m_context(context)
    , m_settings(settings)
{
    setWindowTitle(QStringLiteral("Form1"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    // Created hidden and off the screen; the first message places it.
    move(-20000 / TwipsPerPixel, 0);
    m_showTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &FlashWindow::onShowTimeout);
}

void FlashWindow::present(const QString &message)
{
    m_message = message;
    // A size that is not a usable number leaves the previous one.
    const std::optional<double> size = NumberText::toNumber(m_settings.fontSizeText());
    if (size && *size > 0)
        m_pointSize = std::min(*size, MaxPointSize);
    m_font = QFont(m_settings.fontName());
    m_font.setPointSizeF(m_pointSize);
    m_font.setWeight(QFont::Normal);
    m_font.setItalic(false);
    m_color = ColorValue::toColor(m_settings.color());

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QFontMetricsF metrics(m_font);
    const QSizeF textTwips(metrics.horizontalAdvance(m_message) * TwipsPerPixel,
                           metrics.height() * TwipsPerPixel);
    int location = m_settings.location();
    if (location < 0 || location > 4)
        location = MiddleOfTheScreen; // a message that is drawn must be seen
    const QPointF corner =
        *flashPlacement(location, QSizeF(screenRect.size()) * TwipsPerPixel, textTwips);
    m_letterOrigin = QPointF(screenRect.topLeft()) + corner / TwipsPerPixel + QPointF(10, 10);

    QPainterPath path;
    path.addText(m_letterOrigin + QPointF(0, metrics.ascent()), m_font, m_message);
    // Only what lies on the screen is shaped; letters beyond its edges are not seen anyway.
    const QRect area = path.boundingRect().toAlignedRect() & screenRect;
    QRegion shape;
    if (!area.isEmpty()) {
        QBitmap bitmap(area.size());
        bitmap.fill(Qt::color0);
        QPainter painter(&bitmap);
        painter.translate(-area.topLeft());
        painter.fillPath(path, Qt::color1);
        painter.end();
        shape = QRegion(bitmap);
    }

    m_shownClock.start();
    armShowTime();
    m_showing = true;
    if (shape.isEmpty()) {
        // No letter outlines (a message of spaces): nothing is shown, the show time still runs.
        hide();
        return;
    }
    setGeometry(area);
    setMask(shape);
    show();
    raise();
    update();
}

void FlashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

qint64 FlashWindow::hideAtSecond() const
{
    // The message goes at the first whole second past the show time; at the first second when the
    // time is not a number or below zero.
    const double seconds = NumberText::toNumber(m_settings.showTimeText()).value_or(-1);
    if (seconds < 0)
        return 1;
    return qint64(std::min(std::floor(seconds), 1e9)) + 1;
}

void FlashWindow::armShowTime()
{
    const qint64 second = m_context.secondMs;
    const qint64 elapsed = m_shownClock.elapsed();
    const qint64 at = std::max(hideAtSecond(), elapsed / second + 1);
    const qint64 remaining = at * second - elapsed;
    m_showTimer.start(int(std::min<qint64>(remaining, std::numeric_limits<int>::max() / 2)));
}

void FlashWindow::onShowTimeChanged()
{
    if (m_showing)
        armShowTime();
}

void FlashWindow::onShowTimeout()
{
    if (!m_showing)
        return;
    if (m_shownClock.elapsed() < hideAtSecond() * m_context.secondMs) {
        armShowTime();
        return;
    }
    m_showing = false;
    hide();
    emit messageHidden();
}

#include "controls/orlaframes.h"

#include "controls/orlaframescolor.h"
#include "controls/orlaframespropertybag.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <vector>

using OrlaFramesColor::rgb;

namespace {

constexpr quint32 White = rgb(255, 255, 255);
constexpr quint32 SavedColorFrom = rgb(255, 158, 158);
constexpr quint32 SavedColorTo = rgb(255, 240, 240);

// Rounding to the nearest integer with halves going to the even neighbour.
int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// The part of a font the frame keeps: family, size, bold and italic.
void copyFont(QFont &target, const QFont &source)
{
    target.setFamily(source.family());
    if (source.pointSizeF() > 0)
        target.setPointSizeF(source.pointSizeF());
    else if (source.pixelSize() > 0)
        target.setPixelSize(source.pixelSize());
    target.setBold(source.bold());
    target.setItalic(source.italic());
}

bool sameFont(const QFont &a, const QFont &b)
{
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() &&
           a.pixelSize() == b.pixelSize() && a.bold() == b.bold() && a.italic() == b.italic();
}

qint16 buttonBits(Qt::MouseButtons buttons)
{
    qint16 bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

qint16 shiftBits(Qt::KeyboardModifiers modifiers)
{
    qint16 bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= 1;
    if (modifiers & Qt::ControlModifier)
        bits |= 2;
    if (modifiers & Qt::AltModifier)
        bits |= 4;
    return bits;
}

// A one-pixel outline around the box, filled inside, its corners cut along a quarter of an
// ellipse that is `ellipse` pixels wide and high (0 gives square corners). A pixel belongs to the
// box when its centre lies inside the corner's ellipse; the outline is every pixel of the box
// that has a neighbour outside it, so the curve stays closed.
void drawBox(QPainter &painter, const QRect &box, int ellipse, const QColor &outline,
             const QColor &fill)
{
    const int w = box.width();
    const int h = box.height();
    if (w <= 0 || h <= 0)
        return;
    std::vector<int> inset(std::size_t(h), 0);
    const int ellipseWidth = std::min(ellipse, w);
    const int ellipseHeight = std::min(ellipse, h);
    if (ellipseWidth > 1 && ellipseHeight > 1) {
        const double a = ellipseWidth / 2.0;
        const double b = ellipseHeight / 2.0;
        for (int y = 0; y < h; ++y) {
            const int row = std::min(y, h - 1 - y);
            if (row >= b)
                continue;
            const double dy = (row + 0.5 - b) / b;
            int x = 0;
            while (x < a && ((x + 0.5 - a) / a) * ((x + 0.5 - a) / a) + dy * dy > 1.0)
                ++x;
            inset[std::size_t(y)] = x;
        }
    }
    for (int y = 0; y < h; ++y) {
        const int in = inset[std::size_t(y)];
        const int span = w - 2 * in;
        if (span <= 0)
            continue;
        const int top = box.top() + y;
        if (y == 0 || y == h - 1) {
            painter.fillRect(QRect(box.left() + in, top, span, 1), outline);
            continue;
        }
        painter.fillRect(QRect(box.left() + in, top, span, 1), fill);
        // Reach along the row as far as the rows above and below leave the box.
        const int reach =
            std::max({in, inset[std::size_t(y - 1)] - 1, inset[std::size_t(y + 1)] - 1});
        const int run = std::min(reach - in + 1, (span + 1) / 2);
        painter.fillRect(QRect(box.left() + in, top, run, 1), outline);
        painter.fillRect(QRect(box.left() + w - in - run, top, run, 1), outline);
    }
}

} // namespace

OrlaFrames::OrlaFrames(QWidget *parent)
    : QWidget(parent)
{
    // Painting copies the whole surface, so nothing needs to be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    initProperties();
}

void OrlaFrames::initProperties()
{
    m_frameColor = 0;
    m_backColor = hostBackColor();
    m_fillColor = hostBackColor();
    m_textColor = 0;
    m_caption = objectName();
    m_alignment = AlignCenter;
    m_roundedCorner = true;
    m_font = QFont();
    m_style = 0;
    m_textBoxColor = White;
    m_textBoxHeight = 22;
    m_roundedCornerTxtBox = false;
    m_picture = QPixmap();
    m_iconSize = 16;
    m_iconAlignment = 0;
    m_themeColor = 0;
    m_colorFrom = 0;
    m_colorTo = 0;
    applyBackColor();
    updateTextFormat();
    updateThemeColors();
    redraw();
}

void OrlaFrames::readProperties(const OrlaFramesPropertyBag &bag)
{
    m_frameColor = bag.read(QStringLiteral("FrameColor"), 0u).toUInt();
    m_backColor = bag.read(QStringLiteral("BackColor"), hostBackColor()).toUInt();
    m_fillColor = bag.read(QStringLiteral("FillColor"), hostBackColor()).toUInt();
    m_textColor = bag.read(QStringLiteral("TextColor"), 0u).toUInt();
    m_caption = bag.read(QStringLiteral("Caption"), objectName()).toString();
    m_alignment = bag.read(QStringLiteral("Alignment"), AlignCenter).toInt();
    m_roundedCorner = bag.read(QStringLiteral("RoundedCorner"), true).toBool();
    const QFont font = bag.read(QStringLiteral("Font"), hostFont()).value<QFont>();
    m_style = bag.read(QStringLiteral("Style"), 0).toInt();
    m_textBoxColor = bag.read(QStringLiteral("TextBoxColor"), White).toUInt();
    m_textBoxHeight = bag.read(QStringLiteral("TextBoxHeight"), 22).toInt();
    m_roundedCornerTxtBox = bag.read(QStringLiteral("RoundedCornerTxtBox"), false).toBool();
    m_picture = bag.read(QStringLiteral("Picture"), QPixmap()).value<QPixmap>();
    m_iconSize = qint16(bag.read(QStringLiteral("IconSize"), 16).toInt());
    m_iconAlignment = bag.read(QStringLiteral("IconAlignment"), 0).toInt();
    m_themeColor = bag.read(QStringLiteral("ThemeColor"), 0).toInt();
    m_colorFrom = bag.read(QStringLiteral("ColorFrom"), SavedColorFrom).toUInt();
    m_colorTo = bag.read(QStringLiteral("ColorTo"), SavedColorTo).toUInt();

    applyBackColor();
    updateTextFormat();
    m_font = QFont();
    copyFont(m_font, font);
    updateThemeColors();
    redraw();
}

void OrlaFrames::writeProperties(OrlaFramesPropertyBag &bag) const
{
    bag.write(QStringLiteral("FrameColor"), m_frameColor, 0u);
    bag.write(QStringLiteral("BackColor"), m_backColor, hostBackColor());
    bag.write(QStringLiteral("FillColor"), m_fillColor, hostBackColor());
    bag.write(QStringLiteral("TextColor"), m_textColor, 0u);
    bag.write(QStringLiteral("Caption"), m_caption, objectName());
    bag.write(QStringLiteral("Alignment"), m_alignment, AlignCenter);
    bag.write(QStringLiteral("RoundedCorner"), m_roundedCorner, true);
    // Fonts and pictures are compared by what the frame keeps of them.
    const QFont host = hostFont();
    bag.write(QStringLiteral("Font"), sameFont(m_font, host) ? host : m_font, host);
    bag.write(QStringLiteral("Style"), m_style, 0);
    bag.write(QStringLiteral("TextBoxColor"), m_textBoxColor, White);
    bag.write(QStringLiteral("TextBoxHeight"), m_textBoxHeight, 22);
    bag.write(QStringLiteral("RoundedCornerTxtBox"), m_roundedCornerTxtBox, false);
    bag.write(QStringLiteral("Picture"), m_picture.isNull() ? QVariant() : QVariant(m_picture),
              QVariant());
    bag.write(QStringLiteral("IconSize"), m_iconSize, qint16(16));
    bag.write(QStringLiteral("IconAlignment"), m_iconAlignment, 0);
    bag.write(QStringLiteral("ThemeColor"), m_themeColor, 0);
    bag.write(QStringLiteral("ColorFrom"), m_colorFrom, SavedColorFrom);
    bag.write(QStringLiteral("ColorTo"), m_colorTo, SavedColorTo);
}

void OrlaFrames::setFrameColor(quint32 value)
{
    m_frameColor = value;
    if (m_themeColor == 5)
        m_theme.border = value;
    changed(QStringLiteral("FrameColor"));
}

void OrlaFrames::setBackColor(quint32 value)
{
    m_backColor = value;
    applyBackColor();
    changed(QStringLiteral("BackColor"));
}

void OrlaFrames::setFillColor(quint32 value)
{
    m_fillColor = value;
    changed(QStringLiteral("FillColor"));
}

void OrlaFrames::setTextColor(quint32 value)
{
    m_textColor = value;
    changed(QStringLiteral("TextColor"));
}

void OrlaFrames::setCaption(const QString &value)
{
    // The caption is the one property whose change the host is not told about.
    m_caption = value;
    redraw();
}

void OrlaFrames::setAlignment(qint32 value)
{
    m_alignment = value;
    updateTextFormat();
    changed(QStringLiteral("Alignment"));
}

void OrlaFrames::setRoundedCorner(bool value)
{
    m_roundedCorner = value;
    changed(QStringLiteral("RoundedCorner"));
}

void OrlaFrames::setFontFrom(const QFont &value)
{
    copyFont(m_font, value);
    changed(QStringLiteral("Font"));
}

void OrlaFrames::setStyleIndex(qint32 value)
{
    m_style = value;
    if (value == 0) {
        // The preset of style 0: blue caption at the right on a grey outline.
        m_textColor = rgb(3, 54, 207);
        m_frameColor = rgb(195, 195, 195);
        if (m_themeColor == 5)
            m_theme.border = m_frameColor;
        m_textBoxColor = White;
        m_textBoxHeight = 22;
        m_alignment = AlignRight;
        updateTextFormat();
        m_fillColor = hostBackColor();
        for (const char *key :
             {"TextColor", "FrameColor", "TextBoxColor", "TextBoxHeight", "Alignment", "FillColor"})
            emit propertyChanged(QString::fromLatin1(key));
    }
    changed(QStringLiteral("Style"));
}

void OrlaFrames::setTextBoxColor(quint32 value)
{
    m_textBoxColor = value;
    changed(QStringLiteral("TextBoxColor"));
}

void OrlaFrames::setTextBoxHeight(qint32 value)
{
    m_textBoxHeight = value;
    changed(QStringLiteral("TextBoxHeight"));
}

void OrlaFrames::setRoundedCornerTxtBox(bool value)
{
    m_roundedCornerTxtBox = value;
    changed(QStringLiteral("RoundedCornerTxtBox"));
}

void OrlaFrames::setPicture(const QPixmap &value)
{
    m_picture = value;
    changed(QStringLiteral("Picture"));
}

void OrlaFrames::setIconSize(qint16 value)
{
    m_iconSize = value;
    changed(QStringLiteral("IconSize"));
}

void OrlaFrames::setIconAlignment(qint32 value)
{
    m_iconAlignment = value;
    changed(QStringLiteral("IconAlignment"));
}

void OrlaFrames::setThemeColor(qint32 value)
{
    if (value == m_themeColor)
        return;
    m_themeColor = value;
    updateThemeColors();
    redraw();
    emit propertyChanged(QStringLiteral("ThemeColor"));
}

void OrlaFrames::setColorFrom(quint32 value)
{
    m_colorFrom = value;
    m_theme.start = value;
    changed(QStringLiteral("ColorFrom"));
}

void OrlaFrames::setColorTo(quint32 value)
{
    m_colorTo = value;
    m_theme.end = value;
    changed(QStringLiteral("ColorTo"));
}

OrlaFrames::ThemeColors OrlaFrames::themeFor(qint32 theme, quint32 colorFrom, quint32 colorTo,
                                             quint32 frameColor)
{
    switch (theme) {
    case 0:
        return {rgb(129, 169, 226), rgb(221, 236, 254), rgb(0, 0, 128)};
    case 2:
        return {rgb(181, 197, 143), rgb(247, 249, 225), rgb(63, 93, 56)};
    case 3:
        return {rgb(194, 194, 171), rgb(248, 248, 242), rgb(145, 145, 115)};
    case 4:
        return {rgb(217, 172, 1), rgb(255, 239, 165), rgb(117, 91, 30)};
    case 5:
        return {colorFrom, colorTo, frameColor};
    default:
        return {rgb(153, 151, 180), rgb(244, 244, 251), rgb(75, 75, 111)};
    }
}

void OrlaFrames::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_surface);
}

void OrlaFrames::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    redraw();
}

void OrlaFrames::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    // A move over a control inside the frame that the control passed on is not a move over the
    // frame's own surface.
    if (childAt(position) != nullptr) {
        event->ignore();
        return;
    }
    emit MouseMove(buttonBits(event->buttons()), shiftBits(event->modifiers()),
                   float(event->position().x()), float(event->position().y()));
}

void OrlaFrames::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // System colours follow the palette: a new desktop palette is drawn at once. Setting the
    // background below comes back here once and then finds it already in place.
    if (event->type() == QEvent::ApplicationPaletteChange ||
        event->type() == QEvent::PaletteChange) {
        applyBackColor();
        redraw();
    }
}

void OrlaFrames::redraw()
{
    if (m_caption.isEmpty()) {
        m_captionSize = QSize(0, 0);
        m_frameTop = 0;
    } else {
        const QFontMetrics metrics(m_font);
        m_captionSize = QSize(metrics.horizontalAdvance(m_caption), metrics.height());
        m_frameTop = roundHalfEven(m_captionSize.height() / 2.0);
    }

    // The surface has the screen's resolution; everything is drawn in the control's pixels.
    const qreal ratio = devicePixelRatioF();
    QImage surface(size().expandedTo(QSize(1, 1)) * ratio, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(colorOf(m_backColor));
    {
        QPainter painter(&surface);
        if (m_style == 0) {
            drawFrame(painter);
            drawCaption(painter);
        } else {
            // The other styles have no frame and no place for the caption yet: they show the
            // background and the picture only.
            drawPicture(painter);
        }
    }
    m_surface = surface;
    update();
}

void OrlaFrames::drawFrame(QPainter &painter) const
{
    const QColor fill = colorOf(m_fillColor);
    drawBox(painter, QRect(0, m_frameTop, width(), height() - m_frameTop),
            m_roundedCorner ? CornerEllipse : 0, colorOf(m_frameColor), fill);

    if (!m_caption.isEmpty()) {
        // The gap behind the caption: from x to x + W + gap, end excluded.
        painter.fillRect(QRect(captionLeft(), m_frameTop, m_captionSize.width() + CaptionGap, 1),
                         fill);
    }
}

int OrlaFrames::captionLeft() const
{
    const int captionWidth = m_captionSize.width();
    if (m_alignment == AlignLeft)
        return CaptionMargin;
    if (m_alignment == AlignRight)
        return width() - captionWidth - CaptionMargin - CaptionGap;
    return roundHalfEven((width() - captionWidth) / 2.0);
}

void OrlaFrames::drawCaption(QPainter &painter) const
{
    if (m_caption.isEmpty())
        return;
    // The caption sits in the middle of its gap; what does not fit is cut off.
    const QRect captionRect(captionLeft() + CaptionGap / 2, 0, m_captionSize.width(),
                            m_captionSize.height());
    painter.save();
    painter.setClipRect(captionRect);
    painter.setFont(m_font);
    painter.setPen(colorOf(m_textColor));
    painter.drawText(captionRect, m_textFormat, m_caption);
    painter.restore();
}

void OrlaFrames::drawPicture(QPainter &painter) const
{
    const int side = m_iconSize;
    if (m_picture.isNull() || side <= 0)
        return;
    const int left = m_iconAlignment == 1 ? width() - PictureMargin - side : PictureMargin;
    painter.drawPixmap(QRect(left, PictureTop, side, side), m_picture);
}

QColor OrlaFrames::colorOf(quint32 value) const
{
    return OrlaFramesColor::translate(value, QApplication::palette());
}

void OrlaFrames::changed(const QString &key)
{
    emit propertyChanged(key);
    redraw();
}

void OrlaFrames::applyBackColor()
{
    const QColor back = colorOf(m_backColor);
    if (palette().isBrushSet(QPalette::Active, QPalette::Window) &&
        palette().color(QPalette::Window) == back)
        return;
    QPalette own = palette();
    own.setColor(QPalette::Window, back);
    setPalette(own);
}

void OrlaFrames::updateTextFormat()
{
    Qt::Alignment horizontal = Qt::AlignHCenter;
    if (m_alignment == AlignLeft)
        horizontal = Qt::AlignLeft;
    else if (m_alignment == AlignRight)
        horizontal = Qt::AlignRight;
    m_textFormat = int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine;
}

void OrlaFrames::updateThemeColors()
{
    m_theme = themeFor(m_themeColor, m_colorFrom, m_colorTo, m_frameColor);
}

quint32 OrlaFrames::hostBackColor() const
{
    const QWidget *host = parentWidget();
    return OrlaFramesColor::fromQColor(host != nullptr
                                           ? host->palette().color(QPalette::Window)
                                           : QApplication::palette().color(QPalette::Window));
}

QFont OrlaFrames::hostFont() const
{
    const QWidget *host = parentWidget();
    return host != nullptr ? host->font() : QApplication::font();
}

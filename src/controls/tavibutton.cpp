#include "controls/tavibutton.h"

#include "controls/buttonpaint.h"
#include "controls/tavibuttoninput.h"
#include "controls/tavibuttonpropertybag.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <cmath>

namespace {

using namespace TaviButtonInput;

constexpr int LeftButton = 1;
constexpr int ShiftAlt = 4;
constexpr int KeySpace = 32;
constexpr quint32 White = RgbHex(0xFFFFFF);
const QString DefaultCaption = QStringLiteral("tavibutton");

QVariant pictureValue(const ButtonPicture &picture)
{
    return QVariant::fromValue(picture);
}

QVariant colorValue(quint32 color)
{
    return QVariant::fromValue(color);
}

} // namespace

TaviButton::TaviButton(QWidget *parent, const QString &instanceName)
    : QWidget(parent)
{
    setObjectName(instanceName);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(MinimumPixels, MinimumPixels);

    // A new button: the designer's defaults, then the style's colours.
    QFont tahoma = font();
    tahoma.setFamily(QStringLiteral("Tahoma"));
    setFont(tahoma);
    m_caption = instanceName;
    ApplyStyleDefaults();
    UpdateAccessKey();
    watchHost();
}

TaviButton::~TaviButton()
{
    if (m_watchedHost && m_watchedHost != this)
        m_watchedHost->removeEventFilter(this);
}

// Properties ----------------------------------------------------------------------------------

void TaviButton::setButtonStyle(int style)
{
    m_buttonStyle = qBound(0, style, ButtonStyleCount - 1);
    emit PropertyChanged(QStringLiteral("ButtonStyle"));
    ApplyStyleDefaults();
    applyStyleRegion();
    Redraw();
}

void TaviButton::setBackColor(quint32 color)
{
    m_backColor = color;
    emit PropertyChanged(QStringLiteral("BackColor"));
    Redraw();
}

void TaviButton::setForeColor(quint32 color)
{
    m_foreColor = color;
    emit PropertyChanged(QStringLiteral("ForeColor"));
    resizeHandling();
}

void TaviButton::setCaption(const QString &caption)
{
    m_caption = caption;
    emit PropertyChanged(QStringLiteral("Caption"));
    UpdateAccessKey();
    Redraw();
}

void TaviButton::setCaptionAlign(int align)
{
    m_captionAlign = qBound(0, align, 2);
    emit PropertyChanged(QStringLiteral("CaptionAlign"));
    Redraw();
}

void TaviButton::setPicture(const ButtonPicture &picture)
{
    m_picture = picture;
    emit PropertyChanged(QStringLiteral("Picture"));
    if (m_picture.isNone())
        resizeHandling();
    else
        Redraw();
}

void TaviButton::setPictureHover(const ButtonPicture &picture)
{
    if (m_picture.isNone()) {
        m_picture = picture;
        emit PropertyChanged(QStringLiteral("Picture"));
    }
    m_pictureHover = picture;
    emit PropertyChanged(QStringLiteral("PictureHover"));
    if (m_pictureHover.isNone())
        resizeHandling();
    else
        Redraw();
}

void TaviButton::setPictureSize(int size)
{
    m_pictureSize = qBound(0, size, 3);
    emit PropertyChanged(QStringLiteral("PictureSize"));
    Redraw();
}

void TaviButton::setPictureAlign(int align)
{
    m_pictureAlign = qBound(0, align, 8);
    emit PropertyChanged(QStringLiteral("PictureAlign"));
    if (!m_picture.isNone())
        Redraw();
}

void TaviButton::setUseMaskColor(bool use)
{
    m_useMaskColor = use;
    emit PropertyChanged(QStringLiteral("UseMaskColor"));
    if (!m_picture.isNone())
        Redraw();
}

void TaviButton::setMaskColor(quint32 color)
{
    m_maskColor = color;
    emit PropertyChanged(QStringLiteral("MaskColor"));
    Redraw();
}

void TaviButton::setCheckBoxMode(bool on)
{
    m_checkBoxMode = on;
    emit PropertyChanged(QStringLiteral("CheckBoxMode"));
    if (!on)
        m_state = ButtonState::Normal;
    Redraw();
}

void TaviButton::setValue(bool value)
{
    if (m_checkBoxMode) {
        m_value = value;
        emit PropertyChanged(QStringLiteral("Value"));
        if (!value)
            m_state = ButtonState::Normal;
    } else {
        // Only a two-state button keeps a value.
        m_state = ButtonState::Normal;
    }
    Redraw();
}

void TaviButton::setShowFocusRect(bool show)
{
    m_showFocusRect = show;
    emit PropertyChanged(QStringLiteral("ShowFocusRect"));
}

void TaviButton::setHandPointer(bool hand)
{
    m_handPointer = hand;
    emit PropertyChanged(QStringLiteral("HandPointer"));
    if (!hand)
        applyPointer();
}

void TaviButton::setMousePointer(qint16 pointer)
{
    m_mousePointer = pointer;
    emit PropertyChanged(QStringLiteral("MousePointer"));
    applyPointer();
}

void TaviButton::setMouseIcon(const ButtonPicture &icon)
{
    m_mouseIcon = icon;
    m_mousePointer = icon.isNone() ? 0 : 99;
    emit PropertyChanged(QStringLiteral("MouseIcon"));
    applyPointer();
}

void TaviButton::setDisplayAsDefault(bool isDefault)
{
    m_displayAsDefault = isDefault;
    hostFlagChanged(QStringLiteral("DisplayAsDefault"));
}

// Behaviour -----------------------------------------------------------------------------------

void TaviButton::ApplyStyleDefaults()
{
    const StyleDefaults defaults = StyleDefaultsFor(m_buttonStyle);
    m_backColor = defaults.backColor;
    m_foreColor = defaults.foreColor;
    m_showFocusRect = defaults.showFocusRect;
    emit PropertyChanged(QStringLiteral("BackColor"));
    emit PropertyChanged(QStringLiteral("ForeColor"));
    emit PropertyChanged(QStringLiteral("ShowFocusRect"));
    Redraw();
}

void TaviButton::UpdateAccessKey()
{
    if (m_accessKeyShortcut != 0) {
        releaseShortcut(m_accessKeyShortcut);
        m_accessKeyShortcut = 0;
    }
    m_accessKey = AccessKeyOf(m_caption);
    if (!m_accessKey.isNull()) {
        const int key = m_accessKey.toUpper().unicode();
        m_accessKeyShortcut =
            grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key))));
    }
}

void TaviButton::Redraw()
{
    if (m_checkBoxMode && m_value && m_buttonStyle != 0 && m_buttonStyle != 3 && m_buttonStyle != 9)
        m_state = ButtonState::Down;

    // Styles 3 and 5 show the host's colour around their face; style 14 does so while it is
    // marked as focused or default. Style 3's caption turns white while pressed.
    switch (m_buttonStyle) {
    case 3:
        m_surfaceColor = hostBackColor();
        m_foreColor = m_state == ButtonState::Down ? White : SystemColor::ButtonText;
        break;
    case 5:
        m_surfaceColor = hostBackColor();
        break;
    case 14:
        if ((m_hasFocus || m_shownAsDefault) && m_state != ButtonState::Down)
            m_surfaceColor = hostBackColor();
        break;
    default:
        break;
    }

    applyStyleRegion();
    const ContentLayout content = layout();
    if (content.captionFocusRect)
        m_captionFocusRect = *content.captionFocusRect;
    update();
}

void TaviButton::About(Prompter &prompter) const
{
    prompter.tell(Prompter::Icon::Information, QStringLiteral("About"),
                  QStringLiteral("TaviButton\nA Multistyle Button Control\n\n"
                                 "Written for Sunveil by its developers"));
}

void TaviButton::AccessKeyPress(int keyAscii)
{
    if (!isEnabled())
        return;
    if (m_isSpaceDown) {
        m_isSpaceDown = false;
        m_isMouseDown = false;
    }
    if (m_checkBoxMode) {
        // A default or cancel button in check-box mode neither toggles nor clicks.
        if (keyAscii == 27 || keyAscii == 13)
            return;
        m_value = !m_value;
        if (!m_value)
            m_state = ButtonState::Normal;
        Redraw();
    }
    // Let the new look paint before the click runs.
    const QPointer<TaviButton> self(this);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (self)
        emit Click();
}

// Saved form ----------------------------------------------------------------------------------

void TaviButton::ReadProperties(const TaviButtonPropertyBag &bag)
{
    const QFont hostFont = parentWidget() ? parentWidget()->font() : QApplication::font();

    m_buttonStyle =
        qBound(0, bag.read(QStringLiteral("ButtonStyle"), 1).toInt(), ButtonStyleCount - 1);
    m_showFocusRect = bag.read(QStringLiteral("ShowFocusRect"), false).toBool();
    setFont(bag.read(QStringLiteral("Font"), hostFont).value<QFont>());
    m_backColor =
        bag.read(QStringLiteral("BackColor"), colorValue(SystemColor::ButtonFace)).toUInt();
    const bool enabled = bag.read(QStringLiteral("Enabled"), true).toBool();
    m_caption = bag.read(QStringLiteral("Caption"), DefaultCaption).toString();
    m_value = bag.read(QStringLiteral("Value"), false).toBool();
    m_mousePointer = qint16(bag.read(QStringLiteral("MousePointer"), 0).toInt());
    m_handPointer = bag.read(QStringLiteral("HandPointer"), false).toBool();
    m_mouseIcon = bag.read(QStringLiteral("MouseIcon"), pictureValue({})).value<ButtonPicture>();
    m_picture = bag.read(QStringLiteral("Picture"), pictureValue({})).value<ButtonPicture>();
    m_pictureHover =
        bag.read(QStringLiteral("PictureHover"), pictureValue({})).value<ButtonPicture>();
    m_pictureSize = qBound(0, bag.read(QStringLiteral("PictureSize"), 0).toInt(), 3);
    m_maskColor = bag.read(QStringLiteral("MaskColor"), colorValue(RgbHex(0xE0E0E0))).toUInt();
    m_useMaskColor = bag.read(QStringLiteral("UseMaskCOlor"), false).toBool();
    m_checkBoxMode = bag.read(QStringLiteral("CheckBoxMode"), false).toBool();
    m_pictureAlign = qBound(0, bag.read(QStringLiteral("PictureAlign"), 1).toInt(), 8);
    m_captionAlign = qBound(0, bag.read(QStringLiteral("CaptionAlign"), 1).toInt(), 2);
    m_foreColor =
        bag.read(QStringLiteral("ForeColor"), colorValue(SystemColor::ButtonText)).toUInt();
    applyPointer();

    setEnabled(enabled);
    UpdateAccessKey();
    resizeHandling();
}

void TaviButton::WriteProperties(TaviButtonPropertyBag &bag) const
{
    const QFont hostFont = parentWidget() ? parentWidget()->font() : QApplication::font();

    bag.write(QStringLiteral("ButtonStyle"), m_buttonStyle, 1);
    bag.write(QStringLiteral("ShowFocusRect"), m_showFocusRect, false);
    bag.write(QStringLiteral("Enabled"), isEnabled(), true);
    bag.write(QStringLiteral("Font"), font(), hostFont);
    bag.write(QStringLiteral("BackColor"), colorValue(m_backColor),
              colorValue(SystemColor::ButtonFace));
    bag.write(QStringLiteral("Caption"), m_caption, DefaultCaption);
    bag.write(QStringLiteral("ForeColor"), colorValue(m_foreColor),
              colorValue(SystemColor::ButtonText));
    bag.write(QStringLiteral("CheckBoxMode"), m_checkBoxMode, false);
    bag.write(QStringLiteral("Value"), m_value, false);
    bag.write(QStringLiteral("MousePointer"), int(m_mousePointer), 0);
    bag.write(QStringLiteral("HandPointer"), m_handPointer, false);
    bag.write(QStringLiteral("MouseIcon"), pictureValue(m_mouseIcon), pictureValue({}));
    bag.write(QStringLiteral("Picture"), pictureValue(m_picture), pictureValue({}));
    bag.write(QStringLiteral("PictureHover"), pictureValue(m_pictureHover), pictureValue({}));
    bag.write(QStringLiteral("PictureAlign"), m_pictureAlign, 1);
    bag.write(QStringLiteral("pictureSize"), m_pictureSize, 0);
    bag.write(QStringLiteral("UseMaskCOlor"), m_useMaskColor, false);
    bag.write(QStringLiteral("MaskColor"), colorValue(m_maskColor), colorValue(RgbHex(0xE0E0E0)));
    bag.write(QStringLiteral("CaptionAlign"), m_captionAlign, 1);
}

// Painting ------------------------------------------------------------------------------------

quint32 TaviButton::translate(quint32 color) const
{
    return TranslateColor(color, palette());
}

quint32 TaviButton::hostBackColor() const
{
    const QWidget *host = parentWidget();
    if (!host)
        return translate(SystemColor::ButtonFace);
    return FromQColor(host->palette().color(host->backgroundRole()));
}

ButtonFace TaviButton::face() const
{
    ButtonFace face;
    face.width = width();
    face.height = height();
    face.base = translate(m_backColor);
    face.enabled = isEnabled();
    face.checkBoxMode = m_checkBoxMode;
    face.value = m_value;
    face.showFocusRect = m_showFocusRect;
    face.hasFocus = m_hasFocus;
    face.shownAsDefault = m_shownAsDefault;
    face.hostActive = m_isHostActive;
    face.mouseInside = m_isMouseInside;
    face.mouseDown = m_isMouseDown;
    face.runMode = m_runMode;
    face.captionFocusRect = m_captionFocusRect;
    face.palette = palette();
    return face;
}

ContentLayout TaviButton::layout() const
{
    const QFontMetrics metrics(font());
    ContentInput input;
    input.width = width();
    input.height = height();
    input.text = QSize(metrics.horizontalAdvance(m_caption), metrics.height());
    input.picture = PictureDrawSize(m_pictureSize, m_picture);
    input.hasPicture = !m_picture.isNone();
    input.pictureAlign = m_pictureAlign;
    input.captionAlign = m_captionAlign;
    input.hasAccessKey = !m_accessKey.isNull();
    input.state = m_state;
    input.style = m_buttonStyle;
    return LayoutContent(input);
}

void TaviButton::paintButton(QPainter &painter) const
{
    painter.fillRect(rect(), ToQColor(translate(m_surfaceColor)));
    PaintButtonFace(painter, m_buttonStyle, face(), m_state);
    drawContent(painter, layout());
}

void TaviButton::drawContent(QPainter &painter, const ContentLayout &content) const
{
    const QRect target(content.picturePos, content.pictureSize);
    const ButtonPicture::Kind kind = m_picture.kind();
    if (kind == ButtonPicture::Kind::Bitmap || kind == ButtonPicture::Kind::Icon) {
        // A hover picture of another kind than the picture is not used.
        const ButtonPicture &hover = m_pictureHover.kind() == kind ? m_pictureHover : m_picture;
        const bool checked = m_checkBoxMode && m_value;
        if (!isEnabled()) {
            DrawDisabledPicture(painter, m_picture, target.x(), target.y(), target.width(),
                                target.height());
        } else if (kind == ButtonPicture::Kind::Icon) {
            drawPicture(painter, m_state == ButtonState::Normal ? m_picture : hover, target);
            if (checked)
                drawPicture(painter, hover, target);
        } else {
            const bool useHover = m_state != ButtonState::Normal || checked;
            drawPicture(painter, useHover ? hover : m_picture, target);
        }
    }

    const quint32 textColor = isEnabled() ? m_foreColor : SystemColor::GrayText;
    painter.setPen(ToQColor(translate(textColor)));
    painter.setFont(font());
    painter.drawText(content.caption,
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     m_caption);
}

void TaviButton::drawPicture(QPainter &painter, const ButtonPicture &picture, QRect target) const
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    if (picture.kind() == ButtonPicture::Kind::Icon) {
        painter.drawPixmap(target, picture.icon().pixmap(target.size(), 1.0));
        return;
    }
    if (picture.kind() != ButtonPicture::Kind::Bitmap)
        return;
    // A bitmap is cut to the draw size, not scaled.
    const QImage &bitmap = picture.bitmap();
    QImage part = bitmap.copy(0, 0, std::min(target.width(), bitmap.width()),
                              std::min(target.height(), bitmap.height()));
    if (m_useMaskColor) {
        const QRgb mask = ToQColor(translate(m_maskColor)).rgb() & 0x00FFFFFFu;
        part = part.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < part.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                if ((line[x] & 0x00FFFFFFu) == mask)
                    line[x] = 0;
            }
        }
    }
    painter.drawImage(target.topLeft(), part);
}

QImage TaviButton::snapshot() const
{
    QImage image(size(), QImage::Format_RGB32);
    const QColor surface = ToQColor(translate(m_surfaceColor));
    image.fill(surface);
    QPainter painter(&image);
    paintButton(painter);
    painter.setClipRegion(QRegion(rect()) - StyleRegion(m_buttonStyle, width(), height()));
    painter.fillRect(rect(), surface);
    return image;
}

void TaviButton::applyStyleRegion()
{
    const QRegion region = StyleRegion(m_buttonStyle, width(), height());
    if (mask() != region)
        setMask(region);
}

void TaviButton::resizeHandling()
{
    if (width() < MinimumPixels || height() < MinimumPixels)
        resize(std::max(width(), MinimumPixels), std::max(height(), MinimumPixels));
    applyStyleRegion();
    Redraw();
}

void TaviButton::applyPointer()
{
    if (m_mousePointer == 99 && !m_mouseIcon.isNone()) {
        const QPixmap pixmap = m_mouseIcon.kind() == ButtonPicture::Kind::Icon
                                   ? m_mouseIcon.icon().pixmap(m_mouseIcon.size())
                                   : QPixmap::fromImage(m_mouseIcon.bitmap());
        setCursor(QCursor(pixmap));
    } else if (m_mousePointer == 0) {
        unsetCursor();
    } else {
        setCursor(cursorShape(m_mousePointer));
    }
}

void TaviButton::showHandCursor()
{
    if (m_handPointer)
        setCursor(Qt::PointingHandCursor);
}

// Events --------------------------------------------------------------------------------------

bool TaviButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut: {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (shortcut->shortcutId() == m_accessKeyShortcut && m_accessKeyShortcut != 0) {
            AccessKeyPress(m_accessKey.unicode());
            return true;
        }
        break;
    }
    case QEvent::ParentChange:
        watchHost();
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        // A button that is a window of its own is its own host.
        if (isWindow())
            hostActivated(event->type() == QEvent::WindowActivate);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool TaviButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedHost && watched != this) {
        if (event->type() == QEvent::WindowActivate)
            hostActivated(true);
        else if (event->type() == QEvent::WindowDeactivate)
            hostActivated(false);
    }
    return QWidget::eventFilter(watched, event);
}

void TaviButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        emit PropertyChanged(QStringLiteral("Enabled"));
        Redraw();
        break;
    case QEvent::FontChange:
        emit PropertyChanged(QStringLiteral("Font"));
        Redraw();
        break;
    case QEvent::PaletteChange:
        hostFlagChanged(QStringLiteral("BackColor"));
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TaviButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintButton(painter);
}

void TaviButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    resizeHandling();
}

void TaviButton::showEvent(QShowEvent *event)
{
    watchHost();
    QWidget::showEvent(event);
}

void TaviButton::watchHost()
{
    QWidget *host = window();
    if (host == m_watchedHost)
        return;
    if (m_watchedHost && m_watchedHost != this)
        m_watchedHost->removeEventFilter(this);
    m_watchedHost = host;
    if (host != this)
        host->installEventFilter(this);
    m_isHostActive = host->isActiveWindow();
}

void TaviButton::hostActivated(bool active)
{
    if (active) {
        m_isHostActive = true;
        m_state = ButtonState::Normal;
        if (m_shownAsDefault)
            Redraw();
        Redraw();
    } else {
        m_isMouseDown = false;
        m_isSpaceDown = false;
        m_hasFocus = false;
        m_isHostActive = false;
        m_state = ButtonState::Normal;
        Redraw();
    }
}

void TaviButton::hostFlagChanged(const QString &name)
{
    m_shownAsDefault = m_displayAsDefault;
    if (isEnabled() && !m_isMouseInside &&
        (name == QLatin1String("DisplayAsDefault") || name == QLatin1String("BackColor")))
        Redraw();
}

bool TaviButton::isOverButton(QPointF pos) const
{
    const QPoint pixel(int(std::floor(pos.x())), int(std::floor(pos.y())));
    return StyleRegion(m_buttonStyle, width(), height()).contains(pixel);
}

void TaviButton::pointerEntered()
{
    if (m_isMouseInside)
        return;
    m_isMouseInside = true;
    if (!m_isSpaceDown)
        m_state = ButtonState::Hot;
    Redraw();
    emit MouseEnter();
}

void TaviButton::pointerLeft()
{
    m_isMouseInside = false;
    if (m_isSpaceDown)
        return;
    if (isEnabled())
        m_state = ButtonState::Normal;
    Redraw();
    emit MouseLeave();
}

void TaviButton::leaveEvent(QEvent *event)
{
    pointerLeft();
    QWidget::leaveEvent(event);
}

void TaviButton::mousePressEvent(QMouseEvent *event)
{
    const QPointF pos = event->position();
    onMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(pos.x()),
                float(pos.y()));
}

void TaviButton::onMouseDown(int button, int shift, float x, float y)
{
    m_pressButton = button;
    m_pressShift = shift;
    m_pressX = x;
    m_pressY = y;
    showHandCursor();
    if (button != LeftButton)
        return;
    m_hasFocus = true;
    m_isMouseDown = true;
    if (m_isMouseInside)
        m_state = ButtonState::Down;
    Redraw();
    emit MouseDown(button, shift, x, y);
}

void TaviButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pos = event->position();
    const QPointer<TaviButton> self(this);
    onMouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), float(pos.x()),
                float(pos.y()), pos);
    // After the move itself: the pointer counts as having entered.
    if (self)
        pointerEntered();
}

void TaviButton::onMouseMove(int button, int shift, float x, float y, QPointF pos)
{
    if (!isOverButton(pos)) {
        m_isMouseInside = false;
        emit MouseLeave();
    }
    if (m_isMouseInside) {
        showHandCursor();
        if (m_isMouseDown)
            m_state = ButtonState::Down;
        else if (!m_isSpaceDown)
            m_state = ButtonState::Hot;
        Redraw();
    }
    emit MouseMove(button, shift, x, y);
}

void TaviButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF pos = event->position();
    onMouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(pos.x()),
              float(pos.y()));
}

void TaviButton::onMouseUp(int button, int shift, float x, float y)
{
    showHandCursor();
    if (button == LeftButton) {
        m_isMouseDown = false;
        if (x > 0 && x < width() && y > 0 && y < height()) {
            if (m_checkBoxMode)
                m_value = !m_value;
            Redraw();
            const QPointer<TaviButton> self(this);
            emit Click();
            if (!self)
                return;
        }
    }
    emit MouseUp(button, shift, x, y);
}

void TaviButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        onDoubleClick();
}

void TaviButton::onDoubleClick()
{
    showHandCursor();
    if (m_pressButton != LeftButton)
        return;
    m_state = ButtonState::Down;
    Redraw();
    const QPointer<TaviButton> self(this);
    onMouseDown(m_pressButton, m_pressShift, m_pressX, m_pressY);
    if (self)
        emit DblClick();
}

void TaviButton::keyPressEvent(QKeyEvent *event)
{
    const int shift = shiftCode(event->modifiers());
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QPointer<TaviButton> self(this);
        emit Click();
        if (!self)
            return;
        break;
    }
    case Qt::Key_Space:
        if (!m_isMouseDown) {
            if (shift == ShiftAlt)
                return; // Alt+Space belongs to the window menu.
            m_isSpaceDown = true;
            if (m_checkBoxMode) {
                m_value = !m_value;
            } else {
                m_state = ButtonState::Down;
                Redraw();
            }
        }
        // Another widget holding the mouse lets it go.
        if (QWidget *grabber = QWidget::mouseGrabber(); grabber && grabber != this)
            grabber->releaseMouse();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        break;
    default:
        event->ignore();
        emit KeyDown(keyCode(event), shift);
        return;
    }
    event->accept();
    emit KeyDown(keyCode(event), shift);
}

void TaviButton::keyReleaseEvent(QKeyEvent *event)
{
    // Held keys repeat their presses only.
    if (event->isAutoRepeat() || event->key() != Qt::Key_Space) {
        event->ignore();
        return;
    }
    onSpaceUp(shiftCode(event->modifiers()));
}

void TaviButton::onSpaceUp(int shift)
{
    // A Space that went down elsewhere, or as Alt+Space, clicks nothing when it comes up.
    if (!m_isSpaceDown && !m_isMouseDown) {
        emit KeyUp(KeySpace, shift);
        return;
    }
    const QPointer<TaviButton> self(this);
    if (m_isMouseInside && m_isMouseDown) {
        m_state = ButtonState::Down;
        Redraw();
    } else {
        m_state = m_isMouseInside ? ButtonState::Hot : ButtonState::Normal;
        Redraw();
        emit Click();
        if (!self)
            return;
    }
    emit KeyUp(KeySpace, shift);
    if (!self)
        return;
    m_isSpaceDown = false;
    m_isMouseDown = false;
}

void TaviButton::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    if (m_isMouseInside)
        m_state = ButtonState::Hot;
    else if (!m_isMouseDown)
        m_state = ButtonState::Normal;
    // Repaint so the focus marks show at once.
    Redraw();
    QWidget::focusInEvent(event);
}

void TaviButton::focusOutEvent(QFocusEvent *event)
{
    m_hasFocus = false;
    m_isMouseDown = false;
    m_isSpaceDown = false;
    m_state = (m_isHostActive && m_isMouseInside) ? ButtonState::Hot : ButtonState::Normal;
    Redraw();
    if (m_shownAsDefault)
        Redraw();
    QWidget::focusOutEvent(event);
}

#pragma once

#include "controls/buttonlayout.h"
#include "controls/buttonpicture.h"
#include "controls/buttonstyles.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class Prompter;
class TaviButtonPropertyBag;

// The program's push button: an owner-drawn button in one of sixteen styles, with an optional
// picture beside, above, below or behind a one-line caption, a hot look while the pointer is
// over it, a pressed look while it is held, and an optional two-state (check-box) mode.
//
// Enabled and Font are the widget's own (setEnabled, setFont); the button repaints on either.
class TaviButton final : public QWidget
{
    Q_OBJECT

public:
    // A new button as placed on a window: its caption is its instance name.
    explicit TaviButton(QWidget *parent = nullptr,
                        const QString &instanceName = QStringLiteral("tavibutton"));
    ~TaviButton() override;

    // The smallest side, 220 twips.
    static constexpr int MinimumTwips = 220;
    static constexpr int TwipsPerPixel = 15;
    static constexpr int MinimumPixels = (MinimumTwips + TwipsPerPixel - 1) / TwipsPerPixel;

    int ButtonStyle() const { return m_buttonStyle; }
    void setButtonStyle(int style);
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 color);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 color);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    int CaptionAlign() const { return m_captionAlign; }
    void setCaptionAlign(int align);
    bool Enabled() const { return isEnabled(); }
    QFont Font() const { return font(); }
    ButtonPicture Picture() const { return m_picture; }
    void setPicture(const ButtonPicture &picture);
    ButtonPicture PictureHover() const { return m_pictureHover; }
    void setPictureHover(const ButtonPicture &picture);
    int PictureSize() const { return m_pictureSize; }
    void setPictureSize(int size);
    int PictureAlign() const { return m_pictureAlign; }
    void setPictureAlign(int align);
    bool UseMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use);
    quint32 MaskColor() const { return m_maskColor; }
    void setMaskColor(quint32 color);
    bool CheckBoxMode() const { return m_checkBoxMode; }
    void setCheckBoxMode(bool on);
    bool Value() const { return m_value; }
    void setValue(bool value);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool show);
    bool HandPointer() const { return m_handPointer; }
    void setHandPointer(bool hand);
    qint16 MousePointer() const { return m_mousePointer; }
    void setMousePointer(qint16 pointer);
    ButtonPicture MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const ButtonPicture &icon);
    WId hWnd() const { return winId(); }

    // Whether the program runs (true) or the button is being designed.
    bool runMode() const { return m_runMode; }
    void setRunMode(bool run) { m_runMode = run; }

    // The host's default-button flag; a change repaints the button.
    void setDisplayAsDefault(bool isDefault);

    void ApplyStyleDefaults();
    void UpdateAccessKey();
    void Redraw();
    void About(Prompter &prompter) const;

    // The access key (or Enter and Esc for a default or cancel button) reaching the button.
    void AccessKeyPress(int keyAscii);

    void ReadProperties(const TaviButtonPropertyBag &bag);
    void WriteProperties(TaviButtonPropertyBag &bag) const;

    // The fields that drive the look.
    ButtonState State() const { return m_state; }
    bool IsMouseInside() const { return m_isMouseInside; }
    bool IsMouseDown() const { return m_isMouseDown; }
    bool IsSpaceDown() const { return m_isSpaceDown; }
    bool HasFocus() const { return m_hasFocus; }
    bool IsHostActive() const { return m_isHostActive; }
    bool ShownAsDefault() const { return m_shownAsDefault; }
    QRect CaptionFocusRect() const { return m_captionFocusRect; }
    QChar AccessKey() const { return m_accessKey; }

    // Paints the whole button as it looks now.
    void paintButton(QPainter &painter) const;
    // The button painted into an image of its size; outside its outline the image holds the
    // surface's background colour.
    QImage snapshot() const;

signals:
    void Click();
    void DblClick();
    void MouseEnter();
    void MouseLeave();
    // Button: 1 left, 2 right, 4 middle. Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseMove(int button, int shift, float x, float y);
    void MouseDown(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);
    // A stored property changed, so that whoever saves the button saves it.
    void PropertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void onMouseDown(int button, int shift, float x, float y);
    void onMouseMove(int button, int shift, float x, float y, QPointF pos);
    void onMouseUp(int button, int shift, float x, float y);
    void onDoubleClick();
    void onSpaceUp(int shift);
    void pointerEntered();
    void pointerLeft();
    void hostActivated(bool active);
    void hostFlagChanged(const QString &name);
    void resizeHandling();
    void applyStyleRegion();
    void applyPointer();
    void showHandCursor();
    void watchHost();
    bool isOverButton(QPointF pos) const;
    quint32 hostBackColor() const;
    quint32 translate(quint32 color) const;
    ButtonFace face() const;
    ContentLayout layout() const;
    void drawContent(QPainter &painter, const ContentLayout &layout) const;
    void drawPicture(QPainter &painter, const ButtonPicture &picture, QRect target) const;

    int m_buttonStyle = 0;
    quint32 m_backColor = 0;
    quint32 m_foreColor = 0;
    QString m_caption;
    int m_captionAlign = 1;
    ButtonPicture m_picture;
    ButtonPicture m_pictureHover;
    int m_pictureSize = 0;
    int m_pictureAlign = 1;
    bool m_useMaskColor = false;
    quint32 m_maskColor = 0x00E0E0E0u;
    bool m_checkBoxMode = false;
    bool m_value = false;
    bool m_showFocusRect = true;
    bool m_handPointer = false;
    qint16 m_mousePointer = 0;
    ButtonPicture m_mouseIcon;
    bool m_runMode = true;

    ButtonState m_state = ButtonState::Normal;
    bool m_isMouseInside = false;
    bool m_isMouseDown = false;
    bool m_isSpaceDown = false;
    bool m_hasFocus = false;
    bool m_isHostActive = false;
    bool m_shownAsDefault = false;
    bool m_displayAsDefault = false;
    QRect m_captionFocusRect;
    QChar m_accessKey;
    int m_accessKeyShortcut = 0;
    quint32 m_surfaceColor = 0x8000000Fu; // the surface starts in the system button face

    // The last mouse press, replayed on a double click.
    int m_pressButton = 0;
    int m_pressShift = 0;
    float m_pressX = 0;
    float m_pressY = 0;

    QPointer<QWidget> m_watchedHost;
};

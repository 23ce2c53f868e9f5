#pragma once

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class OrlaFramesPropertyBag;

// The captioned frame that groups the controls of a panel: a one-pixel rounded (or square)
// rectangle around the control's area whose top edge runs through the middle of the caption and
// is interrupted behind it. It is a container: the host places its controls inside it. It keeps
// its appearance properties, reports every change of them to its host, and passes mouse moves
// over its own surface on as MouseMove.
//
// The control draws into its own surface whenever a property changes or it is resized; painting
// only copies that surface to the screen, so the picture survives being covered and uncovered.
class OrlaFrames final : public QWidget
{
    Q_OBJECT

public:
    // Caption positions of Alignment; any other value centres the caption as well.
    static constexpr qint32 AlignLeft = 0;
    static constexpr qint32 AlignRight = 1;
    static constexpr qint32 AlignCenter = 2;

    // Distance of the caption from the frame's side, and the room the gap in the top edge keeps
    // beside the caption.
    static constexpr int CaptionMargin = 15;
    static constexpr int CaptionGap = 6;
    // Width and height of the ellipse that rounds each corner.
    static constexpr int CornerEllipse = 10;
    // The picture of the styles other than 0: its distance from the side and from the top.
    static constexpr int PictureMargin = 6;
    static constexpr int PictureTop = 2;

    // The three colours of a theme: start and end of a gradient, and a border.
    struct ThemeColors
    {
        quint32 start = 0;
        quint32 end = 0;
        quint32 border = 0;

        bool operator==(const ThemeColors &) const = default;
    };

    explicit OrlaFrames(QWidget *parent = nullptr);

    // A new instance placed on its host: every property takes its starting value, the caption
    // is the instance's name on the host (its objectName).
    void initProperties();
    // Loading with the host: every property is read from the bag (absent keys take their
    // defaults), then the frame is drawn once. Nothing is reported to the host.
    void readProperties(const OrlaFramesPropertyBag &bag);
    // Saving with the host: every property whose value differs from its default.
    void writeProperties(OrlaFramesPropertyBag &bag) const;

    quint32 FrameColor() const { return m_frameColor; }
    void setFrameColor(quint32 value);
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 value);
    quint32 FillColor() const { return m_fillColor; }
    void setFillColor(quint32 value);
    quint32 TextColor() const { return m_textColor; }
    void setTextColor(quint32 value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &value);
    qint32 Alignment() const { return m_alignment; }
    void setAlignment(qint32 value);
    bool RoundedCorner() const { return m_roundedCorner; }
    void setRoundedCorner(bool value);
    // The control keeps a font of its own: the setter copies the family, size, bold and italic of
    // the given font into it and never keeps the caller's font.
    QFont Font() const { return m_font; }
    void setFontFrom(const QFont &value);
    // Style 0 draws the frame; setting it applies the style's preset colours and caption place.
    qint32 Style() const { return m_style; }
    void setStyleIndex(qint32 value);
    quint32 TextBoxColor() const { return m_textBoxColor; }
    void setTextBoxColor(quint32 value);
    qint32 TextBoxHeight() const { return m_textBoxHeight; }
    void setTextBoxHeight(qint32 value);
    bool RoundedCornerTxtBox() const { return m_roundedCornerTxtBox; }
    void setRoundedCornerTxtBox(bool value);
    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &value);
    qint16 IconSize() const { return m_iconSize; }
    void setIconSize(qint16 value);
    qint32 IconAlignment() const { return m_iconAlignment; }
    void setIconAlignment(qint32 value);
    qint32 ThemeColor() const { return m_themeColor; }
    void setThemeColor(qint32 value);
    quint32 ColorFrom() const { return m_colorFrom; }
    void setColorFrom(quint32 value);
    quint32 ColorTo() const { return m_colorTo; }
    void setColorTo(quint32 value);

    // Values derived from the properties.
    ThemeColors themeColors() const { return m_theme; }
    // The caption's size in the control's font, (0, 0) for an empty caption.
    QSize captionSize() const { return m_captionSize; }
    // The row of the frame's top edge: half the caption height.
    int frameTop() const { return m_frameTop; }
    // Flags for drawing the caption: one line, centred vertically, placed by Alignment.
    int textFormat() const { return m_textFormat; }
    // What the control shows, as last drawn, at the screen's device pixel ratio.
    const QImage &surface() const { return m_surface; }

    // The colours of a theme number; theme 5 takes the given start, end and border colours.
    static ThemeColors themeFor(qint32 theme, quint32 colorFrom, quint32 colorTo,
                                quint32 frameColor);

signals:
    // A property changed; name is its stored key. The host saves it.
    void propertyChanged(const QString &name);
    // The mouse moved over the control's own surface (not over a control inside it). button and
    // shift are bit sets: 1 left, 2 right, 4 middle button; 1 Shift, 2 Ctrl, 4 Alt.
    void MouseMove(qint16 button, qint16 shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void redraw();
    void drawFrame(QPainter &painter) const;
    void drawCaption(QPainter &painter) const;
    void drawPicture(QPainter &painter) const;
    // Where the gap in the top edge starts; the caption is drawn half a gap further in.
    int captionLeft() const;
    QColor colorOf(quint32 value) const;

    // Report the change to the host and show it.
    void changed(const QString &key);
    void applyBackColor();
    void updateTextFormat();
    void updateThemeColors();

    quint32 hostBackColor() const;
    QFont hostFont() const;

    quint32 m_frameColor = 0;
    quint32 m_backColor = 0;
    quint32 m_fillColor = 0;
    quint32 m_textColor = 0;
    QString m_caption;
    qint32 m_alignment = AlignCenter;
    bool m_roundedCorner = true;
    QFont m_font;
    qint32 m_style = 0;
    quint32 m_textBoxColor = 0;
    qint32 m_textBoxHeight = 22;
    bool m_roundedCornerTxtBox = false;
    QPixmap m_picture;
    qint16 m_iconSize = 16;
    qint32 m_iconAlignment = 0;
    qint32 m_themeColor = 0;
    quint32 m_colorFrom = 0;
    quint32 m_colorTo = 0;

    ThemeColors m_theme;
    QSize m_captionSize;
    int m_frameTop = 0;
    int m_textFormat = 0;
    QImage m_surface;
};

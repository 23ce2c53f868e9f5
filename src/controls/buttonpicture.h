#pragma once

#include <QIcon>
#include <QImage>
#include <QMetaType>
#include <QSize>

// A picture a button can show: nothing, a bitmap, an icon, or a picture of another kind (a
// metafile, say) that the button lays out but does not draw.
class ButtonPicture
{
public:
    enum class Kind { None, Bitmap, Icon, Other };

    ButtonPicture() = default;
    static ButtonPicture fromBitmap(const QImage &bitmap);
    static ButtonPicture fromIcon(const QIcon &icon);
    static ButtonPicture other(QSize size);

    Kind kind() const { return m_kind; }
    bool isNone() const { return m_kind == Kind::None; }
    const QImage &bitmap() const { return m_bitmap; }
    const QIcon &icon() const { return m_icon; }
    // The picture's own size in pixels (an icon's first size).
    QSize size() const { return m_size; }

    bool operator==(const ButtonPicture &other) const;

private:
    Kind m_kind = Kind::None;
    QImage m_bitmap;
    QIcon m_icon;
    QSize m_size;
};
Q_DECLARE_METATYPE(ButtonPicture)

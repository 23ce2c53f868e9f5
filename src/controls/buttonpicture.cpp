#include "controls/buttonpicture.h"

ButtonPicture ButtonPicture::fromBitmap(const QImage &bitmap)
{
    ButtonPicture picture;
    if (bitmap.isNull())
        return picture;
    picture.m_kind = Kind::Bitmap;
    picture.m_bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    picture.m_size = bitmap.size();
    return picture;
}

ButtonPicture ButtonPicture::fromIcon(const QIcon &icon)
{
    ButtonPicture picture;
    if (icon.isNull())
        return picture;
    picture.m_kind = Kind::Icon;
    picture.m_icon = icon;
    const QList<QSize> sizes = icon.availableSizes();
    picture.m_size = sizes.isEmpty() ? QSize(32, 32) : sizes.first();
    return picture;
}

ButtonPicture ButtonPicture::other(QSize size)
{
    ButtonPicture picture;
    picture.m_kind = Kind::Other;
    picture.m_size = size;
    return picture;
}

bool ButtonPicture::operator==(const ButtonPicture &other) const
{
    if (m_kind != other.m_kind || m_size != other.m_size)
        return false;
    switch (m_kind) {
    case Kind::Bitmap:
        return m_bitmap == other.m_bitmap;
    case Kind::Icon:
        return m_icon.cacheKey() == other.m_icon.cacheKey();
    case Kind::None:
    case Kind::Other:
        return true;
    }
    return true;
}

#include "controls/buttonlayout.h"

#include "controls/buttonpicture.h"

#include <algorithm>

namespace {

// Left, top, right and bottom, the right column and bottom row excluded.
QRect ltrb(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

ContentLayout LayoutContent(const ContentInput &in)
{
    const int W = in.width;
    const int H = in.height;
    const int tw = in.text.width();
    const int th = in.text.height();
    int pw = in.picture.width();
    int ph = in.picture.height();
    int px = 0;
    int py = 0;
    int cx = 0;
    int cy = H / 2 - th / 2;

    switch (in.pictureAlign) {
    case 0: // at the left edge
        px = 4;
        py = (H - ph) / 2;
        cx = std::max(W / 2 - tw / 2 + pw / 2, pw + 8);
        break;
    case 1: // left of the caption
        px = std::max((W - (pw + tw)) / 2, 4);
        py = (H - ph) / 2;
        cx = std::max(W / 2 - tw / 2 + pw / 2 + 3, pw + 8);
        break;
    case 2: // at the right edge
        px = W - pw - 4;
        py = (H - ph) / 2;
        cx = W - tw - 4 - pw;
        break;
    case 3: // right of the caption
        px = std::min((W - (pw - tw)) / 2, W - pw - 4);
        py = (H - ph) / 2;
        cx = W / 2 - tw / 2 - pw / 2 - 3;
        if (cx < 0)
            cx = W - tw - 4 - pw;
        break;
    case 4: // behind the caption
        px = (W - pw) / 2;
        py = (H - ph) / 2;
        cx = W / 2 - tw / 2;
        break;
    case 5: // at the top edge
        px = (W - pw) / 2;
        py = 4;
        cx = W / 2 - tw / 2;
        cy = ph / 2 + H / 2 - th / 2 + 2;
        break;
    case 6: // above the caption
        px = (W - pw) / 2;
        py = std::max((H - (ph + th)) / 2, 4);
        cx = W / 2 - tw / 2;
        cy = ph / 2 + H / 2 - th / 2 + 2;
        break;
    case 7: // at the bottom edge
        px = (W - pw) / 2;
        py = H - ph - 4;
        cx = W / 2 - tw / 2;
        cy = H / 2 - ph / 2 - th / 2 - 2;
        break;
    default: // 8, below the caption
        px = (W - pw) / 2;
        py = std::min((H - (ph - th)) / 2, H - ph - 4);
        cx = W / 2 - tw / 2;
        cy = H / 2 - ph / 2 - th / 2 - 2;
        break;
    }
    const int placedCx = cx;

    px = std::max(px, 1);
    py = std::max(py, 1);
    if (px + pw > W)
        pw = W - 8;
    if (py + ph > H)
        ph = H - 4;

    if (!in.hasPicture) {
        switch (in.captionAlign) {
        case 0:
            cx = 4;
            break;
        case 2:
            cx = W - tw - 4;
            break;
        default:
            cx = W / 2 - tw / 2;
            break;
        }
        px = 0;
        py = 0;
        cy = H / 2 - th / 2;
    } else if (in.captionAlign == 0) {
        switch (in.pictureAlign) {
        case 0:
            cx = pw + 8;
            break;
        case 1:
            px = 4;
            cx = pw + 8;
            break;
        case 2:
            if (placedCx > 3)
                cx = 4;
            break;
        case 3:
            cx = 4;
            px = tw + 4;
            break;
        default:
            cx = 4;
            break;
        }
    } else if (in.captionAlign == 2) {
        switch (in.pictureAlign) {
        case 0:
            cx = std::max(W - tw - 4, pw + 4);
            break;
        case 1:
            cx = W - tw - 4;
            px = cx - pw - 4;
            break;
        case 2:
            cx = W - tw - 4 - pw;
            break;
        case 3:
            px = W - pw - 4;
            cx = W - tw - 4 - pw;
            break;
        default:
            cx = W - tw - 4;
            break;
        }
    } else if (in.pictureAlign == 2 && placedCx >= 0) {
        cx = W / 2 - tw / 2;
    }

    if (in.hasAccessKey)
        cx += 3;

    ContentLayout layout;
    const bool down = in.state == ButtonState::Down;
    if (down && (in.style == 0 || in.style == 1 || in.style == 3 || in.style == 8)) {
        px += 1;
        py += 1;
        layout.caption = ltrb(cx + 1, cy + 1, cx + tw + 1, cy + th + 1);
    } else if (down && in.style == 5) {
        px += 2;
        py += 2;
        layout.caption = ltrb(cx + 1, cy + 2, cx + tw + 1, cy + th + 1);
    } else if (down) {
        layout.caption = ltrb(cx, cy, cx + tw, cy + th);
    } else if (in.style == 5) {
        px -= 1;
        py -= 1;
        layout.caption = ltrb(cx - 2, cy - 2, cx + tw - 2, cy + th - 2);
    } else {
        layout.caption = ltrb(cx, cy, cx + tw, cy + th);
        layout.captionFocusRect = ltrb(cx - 2, cy, cx + tw + 1, cy + th + 1);
    }
    layout.picturePos = QPoint(px, py);
    layout.pictureSize = QSize(pw, ph);
    return layout;
}

QSize PictureDrawSize(int pictureSize, const ButtonPicture &picture)
{
    switch (pictureSize) {
    case 1:
        return QSize(16, 16);
    case 2:
        return QSize(24, 24);
    case 3:
        return QSize(32, 32);
    default:
        return picture.isNone() ? QSize(0, 0) : picture.size();
    }
}

QChar AccessKeyOf(const QString &caption)
{
    if (caption.size() <= 1)
        return QChar();
    const qsizetype first = caption.indexOf(u'&');
    if (first < 0 || first == caption.size() - 1)
        return QChar();
    if (caption.at(first + 1) != u'&')
        return caption.at(first + 1).toLower();
    const qsizetype next = caption.indexOf(u'&', first + 2);
    if (next < 0 || next == caption.size() - 1 || caption.at(next + 1) == u'&')
        return QChar();
    return caption.at(next + 1).toLower();
}

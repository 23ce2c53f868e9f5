#pragma once

#include "controls/buttonstyles.h"

#include <QChar>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class ButtonPicture;

// Where a button puts its picture and caption.
struct ContentInput
{
    int width = 0;
    int height = 0;
    QSize text;    // the caption's measured size, ampersands included
    QSize picture; // the picture draw size
    bool hasPicture = false;
    int pictureAlign = 1;
    int captionAlign = 1;
    bool hasAccessKey = false;
    ButtonState state = ButtonState::Normal;
    int style = 0;
};

struct ContentLayout
{
    QPoint picturePos;
    QSize pictureSize;
    QRect caption; // the rectangle the caption is drawn in
    // The rectangle around the caption; only a layout that is not pressed (outside style 5)
    // gives one.
    std::optional<QRect> captionFocusRect;
};

ContentLayout LayoutContent(const ContentInput &input);

// The size a picture is drawn at: its own size for PictureSize 0, else 16, 24 or 32 square.
QSize PictureDrawSize(int pictureSize, const ButtonPicture &picture);

// The caption's access key in lower case, or a null character when it has none.
QChar AccessKeyOf(const QString &caption);

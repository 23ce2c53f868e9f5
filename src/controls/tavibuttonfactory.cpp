#include "controls/tavibuttonfactory.h"

#include "controls/buttonpaint.h"
#include "controls/tavibutton.h"

TaviButton *makeCommandButton(QWidget *parent, const QString &objectName, const QString &caption,
                              const QIcon &icon, int pictureAlign)
{
    auto *button = new TaviButton(parent, objectName);
    button->setButtonStyle(4);
    button->setBackColor(RgbHex(0xE3E3E3));
    button->setCaption(caption);
    button->setPicture(ButtonPicture::fromIcon(icon));
    // A larger icon is brought down to 16 by 16.
    button->setPictureSize(1);
    button->setPictureAlign(pictureAlign);
    return button;
}

#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn here: the icon (a sun behind a veil) for the windows and the
// notification area, and the maker's logo of the About box.
QIcon programIcon();
QPixmap programPicture(int size);
QPixmap makerLogo();

#pragma once

#include <QIcon>

// The program's icon, drawn in code: a low sun behind a light veil on a dark blue tile.
QIcon sunveilIcon();

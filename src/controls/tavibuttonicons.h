#pragma once

#include <QIcon>

// The program's own 16 by 16 command-button pictures, drawn when first asked for.
enum class CommandIcon { Start, Stop, Edit, Help, About, Exit, Add, Delete, Save, Cancel, Ok };

QIcon commandIcon(CommandIcon which);
// The same picture as a bitmap on white, for buttons that mask out the white.
QImage commandBitmap(CommandIcon which);

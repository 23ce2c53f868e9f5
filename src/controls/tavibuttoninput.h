#pragma once

#include <Qt>

class QKeyEvent;

// How the button reports input to the window that holds it: mouse buttons as 1 left, 2 right,
// 4 middle; shift keys as 1 Shift, 2 Ctrl, 4 Alt; keys by the desktop's key codes; pointer
// shapes by their codes.
namespace TaviButtonInput {

int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
// Enter 13, Space 32, Esc 27, the arrows 37 to 40, letters and digits their upper-case
// character.
int keyCode(const QKeyEvent *event);
// The pointer shape of a pointer code (0 and 1 the arrow; 99, the custom icon, is not a shape).
Qt::CursorShape cursorShape(int code);

} // namespace TaviButtonInput

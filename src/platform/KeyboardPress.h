#pragma once
// What the keyboard does to a control that acts like a button: Space, Return
// or Enter without a modifier presses it, and the focus frame shows only when
// the focus came by the keyboard (Tab, Shift+Tab, an accelerator), not when a
// window merely opens with the control first in line.
#include <Qt>

class QKeyEvent;

bool IsPressKey(const QKeyEvent& Event);
bool IsKeyboardFocus(Qt::FocusReason Reason);

#include "platform/MouseEvent.h"

TMouseButton MouseButtonOf(Qt::MouseButton Button) {
  switch (Button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

TMouseButton MouseButtonOf(const QMouseEvent& Event) { return MouseButtonOf(Event.button()); }

int ShiftStateOf(Qt::KeyboardModifiers Keys, Qt::MouseButtons Buttons) {
  int State = 0;
  if (Keys & Qt::ShiftModifier) State |= ssShift;
  if (Keys & Qt::AltModifier) State |= ssAlt;
  if (Keys & Qt::ControlModifier) State |= ssCtrl;
  if (Buttons & Qt::LeftButton) State |= ssLeft;
  if (Buttons & Qt::RightButton) State |= ssRight;
  if (Buttons & Qt::MiddleButton) State |= ssMiddle;
  return State;
}

int ShiftStateOf(const QMouseEvent& Event) {
  int State = ShiftStateOf(Event.modifiers(), Event.buttons());
  if (Event.type() == QEvent::MouseButtonDblClick) State |= ssDouble;
  return State;
}

#include "scene/mm_mouse.h"

TMouseButton MouseButtonOf(const QMouseEvent& Event) {
  switch (Event.button()) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

int ShiftStateOf(const QMouseEvent& Event) {
  int State = 0;
  const Qt::KeyboardModifiers Keys = Event.modifiers();
  if (Keys & Qt::ShiftModifier) State |= ssShift;
  if (Keys & Qt::AltModifier) State |= ssAlt;
  if (Keys & Qt::ControlModifier) State |= ssCtrl;
  const Qt::MouseButtons Buttons = Event.buttons();
  if (Buttons & Qt::LeftButton) State |= ssLeft;
  if (Buttons & Qt::RightButton) State |= ssRight;
  if (Buttons & Qt::MiddleButton) State |= ssMiddle;
  if (Event.type() == QEvent::MouseButtonDblClick) State |= ssDouble;
  return State;
}

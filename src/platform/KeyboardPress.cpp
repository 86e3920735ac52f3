#include "platform/KeyboardPress.h"

#include <QKeyEvent>

bool IsPressKey(const QKeyEvent& Event) {
  const int Key = Event.key();
  const bool Plain = (Event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  return Plain && (Key == Qt::Key_Space || Key == Qt::Key_Return || Key == Qt::Key_Enter);
}

bool IsKeyboardFocus(Qt::FocusReason Reason) {
  return Reason == Qt::TabFocusReason || Reason == Qt::BacktabFocusReason || Reason == Qt::ShortcutFocusReason;
}

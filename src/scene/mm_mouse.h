#pragma once
// Mouse events of the scene controls: which button, the shift state and the
// position in the control, with plain integers as the other controls of the
// designs have them. Handlers are slots such as
//   void MMButton1MouseDown(QObject* Sender, int Button, int Shift, int X, int Y);
#include <QMouseEvent>

#include "platform/Events.h"

using TMouseButton = int;
constexpr TMouseButton mbLeft = 0;
constexpr TMouseButton mbRight = 1;
constexpr TMouseButton mbMiddle = 2;

// Shift state bits.
constexpr int ssShift = 1;
constexpr int ssAlt = 2;
constexpr int ssCtrl = 4;
constexpr int ssLeft = 8;
constexpr int ssRight = 16;
constexpr int ssMiddle = 32;
constexpr int ssDouble = 64;

// Button down or up: button, shift state, x, y.
using TMouseEvent = TEvent<TMouseButton, int, int, int>;
// Moving: shift state, x, y.
using TMouseMoveEvent = TEvent<int, int, int>;

TMouseButton MouseButtonOf(const QMouseEvent& Event);
int ShiftStateOf(const QMouseEvent& Event);

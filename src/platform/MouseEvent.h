#pragma once
// The mouse events the design controls publish (scene box and buttons,
// extended shapes, beam): which button, the shift state and the position in
// the control, as plain integers. Handlers are slots such as
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

// The button of a press or release (mbLeft for none).
TMouseButton MouseButtonOf(Qt::MouseButton Button);
TMouseButton MouseButtonOf(const QMouseEvent& Event);
// Keys and buttons held as shift state bits.
int ShiftStateOf(Qt::KeyboardModifiers Keys, Qt::MouseButtons Buttons);
// Keys and buttons held, ssDouble for the second press of a double click.
int ShiftStateOf(const QMouseEvent& Event);

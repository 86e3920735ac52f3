#pragma once
// The one way the components show an exception that escaped an event handler
// they called (a timer tick, an animation step): the application's default
// error dialog shows its message and the program goes on. Callable from any
// thread; off the user-interface thread the dialog is queued to it.
#include <exception>

void ShowComponentException(const std::exception& E);
// For use inside a catch block: shows whatever is being handled.
void ShowCurrentComponentException();

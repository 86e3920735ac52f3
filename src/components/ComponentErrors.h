#pragma once
// The one way the components show an exception that escaped an event handler
// they called (a timer tick, an animation step): the application's default
// error dialog shows its message and the program goes on. Callable from any
// thread; off the user-interface thread the dialog is queued to it.
#include <exception>
#include <functional>

void ShowComponentException(const std::exception& E);
// For use inside a catch block: shows whatever is being handled.
void ShowCurrentComponentException();

// Replaces where the errors go (tests record them); returns the previous
// receiver. An empty function restores the dialog.
using TComponentErrorSink = std::function<void(const std::exception& E)>;
TComponentErrorSink SetComponentErrorSink(TComponentErrorSink Sink);

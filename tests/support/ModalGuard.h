#pragma once
// A watchdog for tests that open a modal window and answer it from a queued
// call: if a modal window is still open after the time given (the answering
// code failed, or never ran), the guard fails the test and closes every
// modal window, so the test ends instead of blocking until ctest gives up.
//
//   TModalGuard Guard;
//   QTimer::singleShot(0, [&] { ...click OK... });
//   EXPECT_EQ(Window.ShowModal(), mrOk);
#include <QTimer>

class TModalGuard {
 public:
  explicit TModalGuard(int Milliseconds = 5000);
  ~TModalGuard();
  TModalGuard(const TModalGuard&) = delete;
  TModalGuard& operator=(const TModalGuard&) = delete;

  // True once the guard had to close a window.
  bool Fired() const { return FFired; }

  // Closes every modal window now (the form's own close, which ends its
  // loop as Cancel). True when there was one.
  static bool CloseModalWindows();

 private:
  QTimer FTimer;
  bool FFired = false;
};

#include "support/ModalGuard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QWidget>

TModalGuard::TModalGuard(int Milliseconds) {
  FTimer.setSingleShot(false);
  FTimer.setInterval(Milliseconds);
  QObject::connect(&FTimer, &QTimer::timeout, [this, Milliseconds] {
    if (!CloseModalWindows()) return;
    if (!FFired)
      ADD_FAILURE() << "a modal window was still open after " << Milliseconds << " ms and has been closed";
    FFired = true;
    // Nested windows close one per turn; look again soon.
    FTimer.setInterval(50);
  });
  FTimer.start();
}

TModalGuard::~TModalGuard() { FTimer.stop(); }

bool TModalGuard::CloseModalWindows() {
  bool Closed = false;
  // The innermost first: closing an outer window would not end the inner
  // loop that holds the test.
  while (QWidget* Window = QApplication::activeModalWidget()) {
    if (auto* Dialog = qobject_cast<QDialog*>(Window))
      Dialog->reject();
    else
      Window->close();
    Closed = true;
    // A window that refuses to close would keep this loop going.
    if (QApplication::activeModalWidget() == Window) {
      Window->hide();
      if (QApplication::activeModalWidget() == Window) break;
    }
  }
  return Closed;
}

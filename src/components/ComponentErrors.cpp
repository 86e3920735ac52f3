#include "components/ComponentErrors.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QString>
#include <QThread>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace {

std::mutex SinkMutex;

TComponentErrorSink& Sink() {
  static TComponentErrorSink Value;
  return Value;
}

void ShowDialog(const QString& Text) {
  QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), Text);
}

}  // namespace

void ShowComponentException(const std::exception& E) {
  TComponentErrorSink Receiver;
  {
    std::lock_guard Lock(SinkMutex);
    Receiver = Sink();
  }
  if (Receiver) {
    Receiver(E);
    return;
  }
  const QString Text = QString::fromUtf8(E.what());
  QCoreApplication* App = QCoreApplication::instance();
  if (App == nullptr) return;
  if (QThread::currentThread() != App->thread()) {
    QMetaObject::invokeMethod(App, [Text] { ShowDialog(Text); }, Qt::QueuedConnection);
  } else {
    ShowDialog(Text);
  }
}

void ShowCurrentComponentException() {
  try {
    throw;
  } catch (const std::exception& E) {
    ShowComponentException(E);
  } catch (...) {
    ShowComponentException(std::runtime_error("Unbekannter Fehler"));
  }
}

TComponentErrorSink SetComponentErrorSink(TComponentErrorSink NewSink) {
  std::lock_guard Lock(SinkMutex);
  return std::exchange(Sink(), std::move(NewSink));
}

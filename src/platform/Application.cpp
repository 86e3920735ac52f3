#include "platform/Application.h"

#include <QMetaObject>
#include <QThread>
#include <cstdio>

#include "platform/Dialogs.h"

namespace {

bool ShowingError = false;

QString& StoredTitle() {
  static QString Title;
  return Title;
}

void ShowErrorNow(const QString& Text) {
  if (ShowingError) {
    std::fprintf(stderr, "%s\n", Text.toLocal8Bit().constData());
    return;
  }
  ShowingError = true;
  try {
    PresentMessage({ApplicationTitle(), Text, mtError, mbOKOnly});
  } catch (...) {
    ShowingError = false;
    throw;
  }
  ShowingError = false;
}

}  // namespace

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

TApplication::~TApplication() = default;

QString TApplication::Title() const { return ApplicationTitle(); }

void TApplication::SetTitle(const QString& Title) { SetApplicationTitle(Title); }

QString ApplicationTitle() {
  if (!StoredTitle().isEmpty()) return StoredTitle();
  const QString Name = QCoreApplication::applicationName();
  return Name.isEmpty() ? QStringLiteral("Velotra") : Name;
}

void SetApplicationTitle(const QString& Title) { StoredTitle() = Title; }

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
  try {
    return QApplication::notify(Receiver, Event);
  } catch (const std::exception& E) {
    HandleException(E);
  } catch (...) {
    HandleErrorText(QStringLiteral("Unbekannter Fehler"));
  }
  return false;
}

void HandleException(const std::exception& E) { HandleErrorText(QString::fromUtf8(E.what())); }

void HandleErrorText(const QString& Text) {
  QCoreApplication* App = QCoreApplication::instance();
  if (!App) {
    std::fprintf(stderr, "%s\n", Text.toLocal8Bit().constData());
    return;
  }
  if (QThread::currentThread() != App->thread()) {
    QMetaObject::invokeMethod(App, [Text] { ShowErrorNow(Text); }, Qt::QueuedConnection);
    return;
  }
  ShowErrorNow(Text);
}

#pragma once
// The application object: a QApplication whose event dispatch catches
// exceptions escaping event handlers and shows them in the default error
// dialog (a message dialog with the exception's text); the program goes on.
#include <QApplication>
#include <QString>
#include <exception>

class TApplication : public QApplication {
  Q_OBJECT

 public:
  TApplication(int& Argc, char** Argv);
  ~TApplication() override;

  bool notify(QObject* Receiver, QEvent* Event) override;

  // The title in the captions of message dialogs (see ApplicationTitle).
  QString Title() const;
  void SetTitle(const QString& Title);
};

// The application's title: as set, else the application name, else "Velotra".
QString ApplicationTitle();
void SetApplicationTitle(const QString& Title);

// Shows an error through the message presenter (caption: application title,
// type mtError, button OK). Safe to call from any thread: off the
// user-interface thread the dialog is queued to it. While one error is being
// shown, further errors go to standard error instead of stacking dialogs.
void HandleException(const std::exception& E);
void HandleErrorText(const QString& Text);

#pragma once
// The feedback a page gives the pupil. Every procedure shows one message
// modally and returns when it is closed. All of them go through one
// replaceable presenter: the message window in the program, a recorder in
// tests. A message about a wrong term may carry a tip line, shown under
// the text ("Für x = 1 ergibt dein Term 3, richtig wäre 2."); an empty tip
// shows nothing.
#include <QString>
#include <functional>

using TMessageWindowPresenter = std::function<void(const QString& Caption, const QString& Text, const QString& Tip)>;

// Installs a presenter and returns the one before; an empty presenter
// restores the message window.
TMessageWindowPresenter SetMessageWindowPresenter(TMessageWindowPresenter Presenter);

// Which procedure showed a message, for a capture that must tell them
// apart (a course script expects "line-error 2", not just a text).
enum class TMessageProc { Window, Error, Info, Praise, StillWrong, FieldError, LineError };

struct TShownMessage {
  TMessageProc Proc = TMessageProc::Window;
  int N = 0;  // the field or line of FieldError and LineError
  QString Caption;
  QString Text;
  QString Tip;  // the tip line without its "Tipp: "; empty when there is none
};

using TMessageCapture = std::function<void(const TShownMessage& Message)>;

// Installs a capture and returns the one before. While one is installed,
// every message goes to it instead of the presenter.
TMessageCapture SetMessageCapture(TMessageCapture Capture);

void ShowMessageWindow(const QString& Caption, const QString& Text, const QString& Tip = {});
void ShowError(const QString& Text, const QString& Tip = {});
void ShowInfo(const QString& Text);
// One of the praise texts, chosen uniformly with the program's generator.
void ShowPraise();
void ShowStillWrong(const QString& Tip = {});
// Input field N is wrong (-2 second last, -1 last, 0 unnamed, 1 ... 100).
void ShowFieldError(int N, const QString& Tip = {});
// Line N is wrong, numbered the same way.
void ShowLineError(int N, const QString& Tip = {});

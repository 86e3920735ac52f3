#include "shell/MessageProcs.h"

#include "common/Random.h"
#include "shell/Messages.h"
#include "shell/Nachricht.h"

namespace {
TMessageWindowPresenter& CurrentPresenter() {
  static TMessageWindowPresenter Presenter;
  return Presenter;
}

TMessageCapture& CurrentCapture() {
  static TMessageCapture Recorder;
  return Recorder;
}

TMessageObserver& CurrentObserver() {
  static TMessageObserver Observer;
  return Observer;
}

void Observe(TMessageProc Proc) {
  // A copy: the observer may replace itself.
  if (TMessageObserver Observer = CurrentObserver()) Observer(Proc);
}

void ShowWindow(const QString& Caption, const QString& Text, const QString& Tip, TMessageProc Proc, int N) {
  // A copy: the capture may replace itself.
  if (TMessageCapture Capture = CurrentCapture()) {
    Capture({Proc, N, Caption, Text, Tip});
    return;
  }
  // A copy: the presenter may replace itself while it shows the message.
  TMessageWindowPresenter Presenter = CurrentPresenter();
  if (Presenter)
    Presenter(Caption, Text, Tip);
  else
    TfmNachricht::Execute(Caption, Text, Tip);
}

void Present(const TMessageText& Message, TMessageProc Proc, int N = 0, const QString& Tip = {}) {
  Observe(Proc);
  ShowWindow(QString::fromStdString(Message.Caption), QString::fromStdString(Message.Text), Tip, Proc, N);
}
}  // namespace

TMessageObserver SetMessageObserver(TMessageObserver Observer) {
  TMessageObserver Previous = std::move(CurrentObserver());
  CurrentObserver() = std::move(Observer);
  return Previous;
}

TMessageCapture SetMessageCapture(TMessageCapture Capture) {
  TMessageCapture Previous = std::move(CurrentCapture());
  CurrentCapture() = std::move(Capture);
  return Previous;
}

TMessageWindowPresenter SetMessageWindowPresenter(TMessageWindowPresenter Presenter) {
  TMessageWindowPresenter Previous = std::move(CurrentPresenter());
  CurrentPresenter() = std::move(Presenter);
  return Previous;
}

void ShowMessageWindow(const QString& Caption, const QString& Text, const QString& Tip) {
  Observe(TMessageProc::Window);
  ShowWindow(Caption, Text, Tip, TMessageProc::Window, 0);
}

void ShowError(const QString& Text, const QString& Tip) {
  Present(ErrorMessage(Text.toStdString()), TMessageProc::Error, 0, Tip);
}
void ShowInfo(const QString& Text) { Present(InfoMessage(Text.toStdString()), TMessageProc::Info); }
void ShowPraise() {
  Present(PraiseMessage(static_cast<std::size_t>(Random(static_cast<int>(PraiseTexts.size())))), TMessageProc::Praise);
}
void ShowStillWrong(const QString& Tip) { Present(StillWrongMessage(), TMessageProc::StillWrong, 0, Tip); }
void ShowFieldError(int N, const QString& Tip) { Present(FieldErrorMessage(N), TMessageProc::FieldError, N, Tip); }
void ShowLineError(int N, const QString& Tip) { Present(LineErrorMessage(N), TMessageProc::LineError, N, Tip); }

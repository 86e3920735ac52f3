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

void Present(const TMessageText& Message, TMessageProc Proc, int N = 0, const QString& Tip = {}) {
  const QString Caption = QString::fromStdString(Message.Caption);
  const QString Text = QString::fromStdString(Message.Text);
  // A copy: the capture may replace itself.
  if (TMessageCapture Capture = CurrentCapture()) {
    Capture({Proc, N, Caption, Text, Tip});
    return;
  }
  ShowMessageWindow(Caption, Text, Tip);
}
}  // namespace

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
  if (TMessageCapture Capture = CurrentCapture()) {
    Capture({TMessageProc::Window, 0, Caption, Text, Tip});
    return;
  }
  // A copy: the presenter may replace itself while it shows the message.
  TMessageWindowPresenter Presenter = CurrentPresenter();
  if (Presenter)
    Presenter(Caption, Text, Tip);
  else
    TfmNachricht::Execute(Caption, Text, Tip);
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

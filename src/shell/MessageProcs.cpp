#include "shell/MessageProcs.h"

#include "common/Random.h"
#include "shell/Messages.h"
#include "shell/Nachricht.h"

namespace {
TMessageWindowPresenter& CurrentPresenter() {
  static TMessageWindowPresenter Presenter;
  return Presenter;
}

void Present(const TMessageText& Message) {
  ShowMessageWindow(QString::fromStdString(Message.Caption), QString::fromStdString(Message.Text));
}
}  // namespace

TMessageWindowPresenter SetMessageWindowPresenter(TMessageWindowPresenter Presenter) {
  TMessageWindowPresenter Previous = std::move(CurrentPresenter());
  CurrentPresenter() = std::move(Presenter);
  return Previous;
}

void ShowMessageWindow(const QString& Caption, const QString& Text) {
  // A copy: the presenter may replace itself while it shows the message.
  TMessageWindowPresenter Presenter = CurrentPresenter();
  if (Presenter)
    Presenter(Caption, Text);
  else
    TfmNachricht::Execute(Caption, Text);
}

void ShowError(const QString& Text) { Present(ErrorMessage(Text.toStdString())); }
void ShowInfo(const QString& Text) { Present(InfoMessage(Text.toStdString())); }
void ShowPraise() { Present(PraiseMessage(static_cast<std::size_t>(Random(static_cast<int>(PraiseTexts.size()))))); }
void ShowStillWrong() { Present(StillWrongMessage()); }
void ShowFieldError(int N) { Present(FieldErrorMessage(N)); }
void ShowLineError(int N) { Present(LineErrorMessage(N)); }

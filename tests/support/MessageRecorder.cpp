#include "support/MessageRecorder.h"

TMessageRecorder::TMessageRecorder() {
  FPrevious = SetMessageWindowPresenter([this](const QString& Caption, const QString& Text, const QString& Tip) {
    FMessages.append({Caption, Text, Tip});
    if (OnMessage) OnMessage(FMessages.last());
  });
}

TMessageRecorder::~TMessageRecorder() { SetMessageWindowPresenter(std::move(FPrevious)); }

#include "support/MessageRecorder.h"

TMessageRecorder::TMessageRecorder() {
  FPrevious = SetMessageWindowPresenter([this](const QString& Caption, const QString& Text) {
    FMessages.append({Caption, Text});
    if (OnMessage) OnMessage(FMessages.last());
  });
}

TMessageRecorder::~TMessageRecorder() { SetMessageWindowPresenter(std::move(FPrevious)); }

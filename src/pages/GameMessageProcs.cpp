#include "pages/GameMessageProcs.h"

#include <QString>

#include "shell/MessageProcs.h"

void ShowGameMessage(const TGameMessage& Message) {
  switch (Message.Kind) {
    case gmPraise:
      ShowPraise();
      break;
    case gmError:
      ShowError(QString::fromStdString(Message.Text), QString::fromStdString(Message.Tip));
      break;
    case gmInfo:
      ShowInfo(QString::fromStdString(Message.Text));
      break;
    case gmNone:
      break;
  }
}

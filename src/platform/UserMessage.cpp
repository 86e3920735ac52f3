#include "platform/UserMessage.h"

#include <QCoreApplication>

void PostUserMessage(QObject* Target, int Code, int Param) {
  if (!Target) return;
  QCoreApplication::postEvent(Target, new TUserMessageEvent(Code, Param));
}

#pragma once
// The posted user message: an event of Qt's first user event type carrying a
// code and a parameter, delivered after the poster's handler has returned.
#include <QEvent>

class QObject;

class TUserMessageEvent : public QEvent {
 public:
  static constexpr QEvent::Type UserMessageType = QEvent::User;

  TUserMessageEvent(int Code, int Param) : QEvent(UserMessageType), FCode(Code), FParam(Param) {}
  int Code() const { return FCode; }
  int Param() const { return FParam; }

 private:
  int FCode;
  int FParam;
};

// Queues the message for Target (no effect when Target is null).
void PostUserMessage(QObject* Target, int Code, int Param);

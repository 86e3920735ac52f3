#pragma once
// Records the messages the pupil would see instead of opening the message
// window, for the lifetime of the recorder:
//
//   TMessageRecorder Seen;
//   Page->PCVGlassButton1Click(nullptr);
//   EXPECT_EQ(Seen.LastText(), "Da ist noch ein Fehler");
#include <QList>
#include <QString>
#include <functional>
#include <utility>

#include "shell/MessageProcs.h"

struct TRecordedMessage {
  TRecordedMessage() = default;
  TRecordedMessage(QString C, QString T, QString P = {}) : Caption(std::move(C)), Text(std::move(T)), Tip(std::move(P)) {}
  QString Caption;
  QString Text;
  QString Tip;
  bool operator==(const TRecordedMessage&) const = default;
};

class TMessageRecorder {
 public:
  TMessageRecorder();
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  const QList<TRecordedMessage>& Messages() const { return FMessages; }
  int Count() const { return static_cast<int>(FMessages.size()); }
  // The last message; empty caption and text when there was none.
  TRecordedMessage Last() const { return FMessages.isEmpty() ? TRecordedMessage{} : FMessages.last(); }
  QString LastCaption() const { return Last().Caption; }
  QString LastText() const { return Last().Text; }
  void Clear() { FMessages.clear(); }

  // Runs while a message is "open", after it was recorded.
  std::function<void(const TRecordedMessage&)> OnMessage;

 private:
  QList<TRecordedMessage> FMessages;
  TMessageWindowPresenter FPrevious;
};

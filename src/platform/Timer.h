#pragma once
// TTimer: the plain design timer. Calls OnTimer every Interval milliseconds
// on the user-interface thread while it is enabled; it starts running as soon
// as it is created enabled, so a page's timer ticks from the page's creation.
#include <QObject>
#include <QTimer>

#include "platform/Events.h"
#include "platform/Streamable.h"

class TTimer : public QObject, public TStreamable {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
 public:
  explicit TTimer(QObject* Owner = nullptr);

  // Sender is the timer. A tick while the handler of the previous one is
  // still running (it showed a modal message) is skipped.
  TNotifyEvent OnTimer;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Milliseconds; 0 (or less) stops the timer.
  int Interval() const { return FInterval; }
  void SetInterval(int Value);

  // Runs one tick now, as the running timer would (for tests and callers
  // that want an immediate step).
  void Tick();
  // Whether ticks are scheduled.
  bool Running() const { return FTimer.isActive(); }

  // While time is scripted (a course script plays), no timer ticks by
  // itself: ticks come only from Tick(). Timers keep their Enabled state.
  static void SetScriptedTime(bool Value);
  static bool ScriptedTime();

 private:
  void Update();

  QTimer FTimer;
  bool FEnabled = true;
  int FInterval = 1000;
  bool FInTick = false;
};

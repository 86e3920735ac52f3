#pragma once
// TTimerEx: a non-visual timer that calls OnTimer every Interval
// milliseconds, either from a timer of the user-interface thread or from a
// worker thread of its own (Threaded) that sleeps for the interval and then
// runs the tick on the user-interface thread, waiting for it to finish, or
// on itself when ThreadSafe is set.
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "platform/Events.h"
#include "platform/Streamable.h"

class QTimer;
class TTimerThread;
struct TTimerWorkerState;

namespace TimerExTypes {
Q_NAMESPACE
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
Q_ENUM_NS(TThreadPriority)
}  // namespace TimerExTypes
using TimerExTypes::TThreadPriority;
using enum TimerExTypes::TThreadPriority;

QThread::Priority ToQThreadPriority(TThreadPriority Priority);

// The system refused a timer.
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The tick event of TTimerEx. A worker may call it while the user-interface
// thread assigns, binds or clears it: the handler is held by a shared
// pointer that is swapped and copied under a lock, and a call runs the copy
// outside the lock, so a handler replaced meanwhile finishes its tick.
class TTimerEvent final : public TEventBase {
 public:
  using THandler = std::function<void(QObject*)>;

  TTimerEvent() = default;
  TTimerEvent(const TTimerEvent&) = delete;
  TTimerEvent& operator=(const TTimerEvent&) = delete;

  TTimerEvent& operator=(THandler Handler);
  explicit operator bool() const { return Assigned(); }
  void operator()(QObject* Sender) const;

  QList<QByteArray> ParameterTypes() const override { return {QByteArray("QObject*")}; }
  void BindMethod(QObject* Target, int MethodIndex, const QString& Name) override;
  void Clear() override;
  bool Assigned() const override;

 private:
  void Swap(std::shared_ptr<const THandler> Handler);
  mutable std::mutex FMutex;
  std::shared_ptr<const THandler> FHandler;
};

class TTimerEx : public QObject, public TStreamable {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(uint Interval READ Interval WRITE SetInterval)
  Q_PROPERTY(bool Threaded READ Threaded WRITE SetThreaded)
  Q_PROPERTY(TimerExTypes::TThreadPriority ThreadPriority READ ThreadPriority WRITE SetThreadPriority)
  Q_PROPERTY(bool ThreadSafe READ ThreadSafe WRITE SetThreadSafe)

 public:
  explicit TTimerEx(QObject* Owner = nullptr);
  ~TTimerEx() override;

  // The tick handler (Sender is the timer). The timer runs whenever it is
  // enabled with an interval; a tick without a handler does nothing, so a
  // handler assigned later gets the next tick. It may be changed while the
  // worker runs.
  TTimerEvent OnTimer;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Milliseconds; 0 stops the timer.
  uint Interval() const { return FInterval; }
  void SetInterval(uint Value);
  bool Threaded() const { return FThreaded; }
  void SetThreaded(bool Value);
  TThreadPriority ThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority Value);
  // In threaded mode, run OnTimer on the worker; the handler must then be
  // safe off the user-interface thread and must not wait for it.
  bool ThreadSafe() const { return FThreadSafe; }
  void SetThreadSafe(bool Value) { FThreadSafe = Value; }

 protected:
  // One tick: calls OnTimer while enabled and assigned.
  virtual void Timer();

 private:
  friend class TTimerThread;

  // Stops, switches the mode's machinery and starts again when enabled with
  // a non-zero interval. Throws EOutOfResources when no timer is available.
  void UpdateTimer();
  void ReleaseWorker();
  // A tick on the user-interface thread; an exception from the handler is
  // shown and the timer keeps running. While a handler is still busy (a
  // dialog it opened is showing) further ticks are skipped.
  void MainThreadTick();
  // A tick handed over from the worker, if it is still wanted.
  static void HandedOverTick(TTimerWorkerState& State, unsigned Generation);
  // A tick on the worker itself.
  void WorkerTick();

  std::atomic<bool> FEnabled = true;
  uint FInterval = 1000;
  bool FThreaded = false;
  TThreadPriority FThreadPriority = tpNormal;
  std::atomic<bool> FThreadSafe = false;
  bool FInTick = false;
  QTimer* FWindow = nullptr;                   // ordinary mode; child object
  std::shared_ptr<TTimerWorkerState> FWorker;  // threaded mode
  TTimerThread* FThread = nullptr;             // deletes itself when it has ended
  bool FThreadStarted = false;
};

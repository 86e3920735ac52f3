#include "components/TimerEx.h"

#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <mutex>

#include "components/ComponentErrors.h"

// What the timer and its worker share. The worker keeps it alive after the
// timer is gone; Owner is cleared then.
struct TTimerWorkerState {
  std::mutex Mutex;
  std::condition_variable Wake;
  TTimerEx* Owner = nullptr;
  bool Running = false;     // the worker pauses while false
  bool Terminated = false;  // the worker ends
  unsigned Generation = 0;  // changes on every reconfiguration; a sleep then starts over
  std::chrono::milliseconds Interval{1000};
  QThread::Priority Priority = QThread::NormalPriority;
  bool InWorkerTick = false;  // the handler runs on the worker right now
  bool HandedOver = false;    // a tick waits for the user-interface thread
};

class TTimerThread : public QThread {
 public:
  explicit TTimerThread(std::shared_ptr<TTimerWorkerState> State) : FState(std::move(State)) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
  }

 protected:
  void run() override;

 private:
  std::shared_ptr<TTimerWorkerState> FState;
};

void TTimerThread::run() {
  TTimerWorkerState& S = *FState;
  std::unique_lock Lock(S.Mutex);
  setPriority(S.Priority);
  while (!S.Terminated) {
    if (!S.Running) {
      S.Wake.wait(Lock);
      continue;
    }
    const unsigned Generation = S.Generation;
    const bool Interrupted = S.Wake.wait_for(
        Lock, S.Interval, [&] { return S.Terminated || !S.Running || S.Generation != Generation; });
    if (Interrupted) continue;
    TTimerEx* Owner = S.Owner;
    if (Owner == nullptr) break;
    if (Owner->ThreadSafe()) {
      S.InWorkerTick = true;
      Lock.unlock();
      Owner->WorkerTick();
      Lock.lock();
      S.InWorkerTick = false;
      S.Wake.notify_all();
    } else {
      // Posted while the lock keeps the owner alive; if the owner goes
      // before the tick runs, Qt drops the call and Terminated wakes us.
      S.HandedOver = true;
      QMetaObject::invokeMethod(
          Owner, [State = FState, Generation] { TTimerEx::HandedOverTick(*State, Generation); },
          Qt::QueuedConnection);
      S.Wake.wait(Lock, [&] { return !S.HandedOver || S.Terminated; });
    }
  }
}

TTimerEvent& TTimerEvent::operator=(THandler Handler) {
  Swap(Handler ? std::make_shared<const THandler>(std::move(Handler)) : nullptr);
  FHandlerName.clear();
  return *this;
}

void TTimerEvent::operator()(QObject* Sender) const {
  std::shared_ptr<const THandler> Handler;
  {
    std::lock_guard Lock(FMutex);
    Handler = FHandler;
  }
  if (Handler) (*Handler)(Sender);
}

void TTimerEvent::BindMethod(QObject* Target, int MethodIndex, const QString& Name) {
  QPointer<QObject> Guard(Target);
  Swap(std::make_shared<const THandler>([Guard, MethodIndex](QObject* Sender) {
    if (!Guard) return;
    void* Argv[] = {nullptr, &Sender};
    QMetaObject::metacall(Guard.data(), QMetaObject::InvokeMetaMethod, MethodIndex, Argv);
  }));
  FHandlerName = Name;
}

void TTimerEvent::Clear() {
  Swap(nullptr);
  FHandlerName.clear();
}

bool TTimerEvent::Assigned() const {
  std::lock_guard Lock(FMutex);
  return FHandler != nullptr;
}

void TTimerEvent::Swap(std::shared_ptr<const THandler> Handler) {
  // The old handler is released outside the lock: its captures may be
  // large, and a tick on the worker may still hold it.
  {
    std::lock_guard Lock(FMutex);
    FHandler.swap(Handler);
  }
}

QThread::Priority ToQThreadPriority(TThreadPriority Priority) {
  switch (Priority) {
    case tpIdle: return QThread::IdlePriority;
    case tpLowest: return QThread::LowestPriority;
    case tpLower: return QThread::LowPriority;
    case tpNormal: return QThread::NormalPriority;
    case tpHigher: return QThread::HighPriority;
    case tpHighest: return QThread::HighestPriority;
    case tpTimeCritical: return QThread::TimeCriticalPriority;
  }
  return QThread::NormalPriority;
}

TTimerEx::TTimerEx(QObject* Owner) : QObject(Owner) { UpdateTimer(); }

TTimerEx::~TTimerEx() {
  FEnabled = false;
  if (FWindow != nullptr) FWindow->stop();
  ReleaseWorker();
}

void TTimerEx::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimerEx::SetInterval(uint Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimerEx::SetThreaded(bool Value) {
  if (Value == FThreaded) return;
  FThreaded = Value;
  UpdateTimer();
}

void TTimerEx::SetThreadPriority(TThreadPriority Value) {
  if (Value == FThreadPriority) return;
  FThreadPriority = Value;
  if (FThreaded) UpdateTimer();
}

void TTimerEx::Timer() {
  if (FEnabled) OnTimer(this);
}

void TTimerEx::UpdateTimer() {
  if (FWorker) {
    std::lock_guard Lock(FWorker->Mutex);
    FWorker->Running = false;
    ++FWorker->Generation;
    FWorker->Wake.notify_all();
  }
  if (FWindow != nullptr) FWindow->stop();

  if (FThreaded) {
    if (FWindow != nullptr) {
      FWindow->deleteLater();  // we may be inside its tick
      FWindow = nullptr;
    }
    if (!FWorker) {
      FWorker = std::make_shared<TTimerWorkerState>();
      FWorker->Owner = this;
      FThread = new TTimerThread(FWorker);
      FThreadStarted = false;
    }
  } else {
    ReleaseWorker();
    if (FWindow == nullptr) {
      FWindow = new QTimer(this);
      FWindow->setTimerType(Qt::PreciseTimer);
      connect(FWindow, &QTimer::timeout, this, &TTimerEx::MainThreadTick);
    }
  }

  if (FInterval == 0 || !FEnabled) return;
  if (FThreaded) {
    const QThread::Priority Priority = ToQThreadPriority(FThreadPriority);
    {
      std::lock_guard Lock(FWorker->Mutex);
      FWorker->Interval = std::chrono::milliseconds(FInterval);
      FWorker->Priority = Priority;
      FWorker->Running = true;
      ++FWorker->Generation;
      FWorker->Wake.notify_all();
    }
    if (!FThreadStarted) {
      FThreadStarted = true;
      FThread->start(Priority);
    } else {
      FThread->setPriority(Priority);
    }
  } else {
    FWindow->start(static_cast<int>(std::min<uint>(FInterval, INT_MAX)));
    if (!FWindow->isActive()) throw EOutOfResources("Nicht genügend Timer verfügbar");
  }
}

// Tells the worker to end and forgets it; it deletes itself once it has run
// out. Only a tick running on the worker itself is waited for, so the owner
// is never freed under it; a tick handed to this thread is simply dropped.
void TTimerEx::ReleaseWorker() {
  if (!FWorker) return;
  {
    std::unique_lock Lock(FWorker->Mutex);
    FWorker->Terminated = true;
    FWorker->Owner = nullptr;
    FWorker->Wake.notify_all();
    if (QThread::currentThread() != FThread) {
      FWorker->Wake.wait(Lock, [this] { return !FWorker->InWorkerTick; });
    }
  }
  if (!FThreadStarted) delete FThread;
  FThread = nullptr;
  FWorker.reset();
}

void TTimerEx::MainThreadTick() {
  if (FInTick) return;
  FInTick = true;
  QPointer<TTimerEx> Alive(this);
  try {
    Timer();
  } catch (...) {
    ShowCurrentComponentException();
  }
  if (Alive) FInTick = false;
}

void TTimerEx::HandedOverTick(TTimerWorkerState& State, unsigned Generation) {
  TTimerEx* Owner = nullptr;
  {
    std::lock_guard Lock(State.Mutex);
    if (State.Running && !State.Terminated && State.Generation == Generation) Owner = State.Owner;
  }
  if (Owner != nullptr) Owner->MainThreadTick();
  std::lock_guard Lock(State.Mutex);
  State.HandedOver = false;
  State.Wake.notify_all();
}

void TTimerEx::WorkerTick() {
  try {
    Timer();
  } catch (...) {
    ShowCurrentComponentException();
  }
}

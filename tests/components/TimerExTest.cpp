// The timer in both modes. Waiting runs the event loop until a count is
// reached; assertions are on counts and order only, never on durations.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <atomic>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "components/TimerEx.h"
#include "platform/Dialogs.h"

namespace {

// Runs the event loop until Done() holds; the limit only keeps a broken
// timer from hanging the test run.
bool WaitUntil(const std::function<bool()>& Done, int LimitMs = 20000) {
  if (Done()) return true;
  QEventLoop Loop;
  QTimer Poll;
  QObject::connect(&Poll, &QTimer::timeout, [&] {
    if (Done()) Loop.quit();
  });
  Poll.start(1);
  QTimer::singleShot(LimitMs, &Loop, &QEventLoop::quit);
  Loop.exec();
  return Done();
}

// Records the error dialogs the application would show.
class TErrorRecorder {
 public:
  TErrorRecorder()
      : FScope([this](const TMessageRequest& Request) {
          FMessages.push_back(Request.Text.toStdString());
          return mrOk;
        }) {}
  const std::vector<std::string>& Messages() const { return FMessages; }

 private:
  std::vector<std::string> FMessages;  // dialogs are shown on this thread only
  TMessagePresenterScope FScope;
};

// Holds back the queued calls meant for an object (the worker's hand-overs)
// and counts them.
class TCallHolder : public QObject {
 public:
  explicit TCallHolder(QObject& Target) : FTarget(&Target) { Target.installEventFilter(this); }
  ~TCallHolder() override {
    if (FTarget) FTarget->removeEventFilter(this);
  }
  int Count() const { return FCount; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Watched != FTarget || Event->type() != QEvent::MetaCall) return false;
    ++FCount;
    return true;
  }

 private:
  QPointer<QObject> FTarget;
  int FCount = 0;
};

struct TMode {
  const char* Name;
  bool Threaded;
  bool ThreadSafe;
};
constexpr TMode kModes[] = {{"ordinary", false, false}, {"threaded", true, false}, {"thread-safe", true, true}};

std::unique_ptr<TTimerEx> MakeTimer(const TMode& Mode, uint Interval) {
  auto T = std::make_unique<TTimerEx>();
  T->SetThreadSafe(Mode.ThreadSafe);
  T->SetThreaded(Mode.Threaded);
  T->SetInterval(Interval);
  return T;
}

}  // namespace

TEST(TimerEx, Defaults) {
  TTimerEx T;
  EXPECT_TRUE(T.Enabled());
  EXPECT_EQ(T.Interval(), 1000u);
  EXPECT_FALSE(T.Threaded());
  EXPECT_EQ(T.ThreadPriority(), tpNormal);
  EXPECT_FALSE(T.ThreadSafe());
  EXPECT_TRUE(T.setProperty("ThreadPriority", QStringLiteral("tpHigher")));
  EXPECT_EQ(T.ThreadPriority(), tpHigher);
  EXPECT_TRUE(T.setProperty("Interval", 250));
  EXPECT_EQ(T.Interval(), 250u);
}

TEST(TimerEx, NoTicksWhileStopped) {
  for (const TMode& Mode : kModes) {
    std::atomic<int> Reference = 0, ZeroInterval = 0, Disabled = 0, Late = 0;
    auto Ref = MakeTimer(Mode, 2);
    Ref->OnTimer = [&](QObject*) { ++Reference; };
    auto A = MakeTimer(Mode, 0);
    A->OnTimer = [&](QObject*) { ++ZeroInterval; };
    auto B = MakeTimer(Mode, 2);
    B->SetEnabled(false);
    B->OnTimer = [&](QObject*) { ++Disabled; };
    auto C = MakeTimer(Mode, 2);  // no handler yet
    ASSERT_TRUE(WaitUntil([&] { return Reference >= 10; })) << Mode.Name;
    EXPECT_EQ(ZeroInterval, 0) << Mode.Name;
    EXPECT_EQ(Disabled, 0) << Mode.Name;
    C->OnTimer = [&](QObject* Sender) {
      EXPECT_EQ(Sender, C.get());
      ++Late;
    };
    EXPECT_TRUE(WaitUntil([&] { return Late >= 2; })) << Mode.Name << ": a handler assigned later gets ticks";
    B->SetEnabled(true);
    EXPECT_TRUE(WaitUntil([&] { return Disabled >= 2; })) << Mode.Name;
  }
}

TEST(TimerEx, SwitchingModesKeepsTheInterval) {
  TTimerEx T;
  T.SetInterval(3);
  T.SetThreadSafe(true);
  const QThread* Main = QThread::currentThread();
  std::atomic<int> OnMain = 0, OnWorker = 0;
  T.OnTimer = [&](QObject*) { ++(QThread::currentThread() == Main ? OnMain : OnWorker); };

  ASSERT_TRUE(WaitUntil([&] { return OnMain >= 3; }));
  T.SetThreadPriority(tpHighest);  // no effect in ordinary mode
  EXPECT_TRUE(WaitUntil([&] { return OnMain >= 6; }));
  EXPECT_EQ(OnWorker, 0);

  T.SetThreaded(true);
  const int MainBefore = OnMain;
  EXPECT_TRUE(WaitUntil([&] { return OnWorker >= 3; }));
  EXPECT_EQ(OnMain, MainBefore);
  EXPECT_EQ(T.Interval(), 3u);

  T.SetThreaded(false);
  const int WorkerAfter = OnWorker;
  EXPECT_TRUE(WaitUntil([&] { return OnMain >= MainBefore + 3; }));
  EXPECT_EQ(OnWorker, WorkerAfter) << "the worker ended with the switch";
  EXPECT_EQ(T.Interval(), 3u);
}

TEST(TimerEx, WorkerRunsAtTheChosenPriority) {
  TTimerEx T;
  T.SetThreadSafe(true);
  T.SetThreadPriority(tpLowest);
  T.SetInterval(2);
  std::mutex Mutex;
  std::vector<QThread::Priority> Seen;
  T.OnTimer = [&](QObject*) {
    std::lock_guard Lock(Mutex);
    Seen.push_back(QThread::currentThread()->priority());
  };
  T.SetThreaded(true);
  auto Count = [&] {
    std::lock_guard Lock(Mutex);
    return Seen.size();
  };
  ASSERT_TRUE(WaitUntil([&] { return Count() >= 2; }));
  T.SetThreadPriority(tpHigher);
  std::size_t Before = Count();
  ASSERT_TRUE(WaitUntil([&] { return Count() >= Before + 2; }));
  std::lock_guard Lock(Mutex);
  EXPECT_EQ(Seen.front(), QThread::LowestPriority);
  EXPECT_EQ(Seen.back(), QThread::HighPriority);

  const std::pair<TThreadPriority, QThread::Priority> Map[] = {
      {tpIdle, QThread::IdlePriority},       {tpLowest, QThread::LowestPriority},
      {tpLower, QThread::LowPriority},       {tpNormal, QThread::NormalPriority},
      {tpHigher, QThread::HighPriority},     {tpHighest, QThread::HighestPriority},
      {tpTimeCritical, QThread::TimeCriticalPriority}};
  for (auto [Ours, Qt] : Map) EXPECT_EQ(ToQThreadPriority(Ours), Qt);
}

TEST(TimerEx, AnExceptionIsShownAndTheNextTickComes) {
  for (const TMode& Mode : kModes) {
    TErrorRecorder Errors;
    std::atomic<int> Ticks = 0;
    auto T = MakeTimer(Mode, 2);
    T->OnTimer = [&](QObject*) {
      if (++Ticks == 1) throw std::runtime_error("Division durch Null");
    };
    ASSERT_TRUE(WaitUntil([&] { return Ticks >= 3 && !Errors.Messages().empty(); })) << Mode.Name;
    T.reset();
    EXPECT_EQ(Errors.Messages(), std::vector<std::string>{"Division durch Null"}) << Mode.Name;
  }
}

TEST(TimerEx, DestroyedWhileTheWorkerWaitsForTheMainThread) {
  std::atomic<int> Ticks = 0;
  auto T = MakeTimer(kModes[1], 1);
  T->OnTimer = [&](QObject*) { ++Ticks; };
  // The worker's hand-overs reach this thread as queued calls on the timer;
  // this filter keeps them from running, so once one has come the worker is
  // waiting for a tick that this thread has not run.
  TCallHolder Held(*T);
  ASSERT_TRUE(WaitUntil([&] { return Held.Count() >= 1; }));
  T.reset();  // must wake the waiting worker instead of hanging
  bool Later = false;
  QTimer::singleShot(10, [&] { Later = true; });
  ASSERT_TRUE(WaitUntil([&] { return Later; }));
  EXPECT_EQ(Ticks, 0) << "no tick after destruction";
}

TEST(TimerEx, DestructionWaitsForATickOnTheWorker) {
  std::atomic<bool> InHandler = false, SawDestruction = false, HandlerDone = false;
  auto T = MakeTimer(kModes[2], 1);
  T->OnTimer = [&](QObject* Sender) {
    if (InHandler.exchange(true)) return;
    // Runs on until the destruction has begun (it switches the timer off
    // first), so the destruction has to wait for this tick to end.
    auto* Timer = static_cast<TTimerEx*>(Sender);
    QDeadlineTimer Limit(10000);
    while (Timer->Enabled() && !Limit.hasExpired()) QThread::yieldCurrentThread();
    SawDestruction = !Timer->Enabled();
    HandlerDone = true;
  };
  ASSERT_TRUE(WaitUntil([&] { return InHandler.load(); }));
  T.reset();
  EXPECT_TRUE(SawDestruction);
  EXPECT_TRUE(HandlerDone) << "the handler was not cut off";
}

TEST(TimerEx, DestroyedByItsOwnHandler) {
  for (const TMode& Mode : {kModes[0], kModes[1]}) {
    TTimerEx* T = MakeTimer(Mode, 1).release();
    std::atomic<int> Ticks = 0;
    T->OnTimer = [&](QObject* Sender) {
      ++Ticks;
      delete Sender;
    };
    ASSERT_TRUE(WaitUntil([&] { return Ticks >= 1; })) << Mode.Name;
    bool Later = false;
    QTimer::singleShot(10, [&] { Later = true; });
    ASSERT_TRUE(WaitUntil([&] { return Later; }));
    EXPECT_EQ(Ticks, 1) << Mode.Name;
  }
}

// A timer that counts every tick it runs, also those without a handler.
class TCountingTimer : public TTimerEx {
 public:
  ~TCountingTimer() override { SetThreaded(false); }  // no tick on a half-destroyed timer
  std::atomic<int> Ticks = 0;

 protected:
  void Timer() override {
    ++Ticks;
    TTimerEx::Timer();
  }
};

// With ThreadSafe the worker calls the handler while this thread swaps it
// and switches the timer on and off: every tick runs a whole handler, the
// old one or the new one, and none runs once the handler is cleared.
TEST(TimerEx, HandlerAndEnabledChangeWhileTheWorkerTicks) {
  TCountingTimer T;
  T.SetThreadSafe(true);
  T.SetInterval(1);
  T.SetThreaded(true);
  std::atomic<int> First = 0, Second = 0;
  // Large captures make a torn handler copy crash rather than pass.
  const std::vector<int> Payload(64, 1);
  auto TickedSince = [&T](int Before) { return WaitUntil([&] { return T.Ticks >= Before + 1; }); };
  for (int Round = 0; Round < 200; ++Round) {
    if (Round % 2 == 0)
      T.OnTimer = [&First, Payload](QObject*) { First += Payload[0]; };
    else
      T.OnTimer = [&Second, Payload](QObject*) { Second += Payload[63]; };
    if (Round % 25 == 0) T.SetEnabled(false);
    if (Round % 25 == 1) T.SetEnabled(true);
    // While enabled, the worker ticks at least once with this handler.
    if (T.Enabled()) {
      ASSERT_TRUE(TickedSince(T.Ticks)) << Round;
    }
  }
  EXPECT_GT(First, 0);
  EXPECT_GT(Second, 0);
  T.OnTimer.Clear();
  // A tick that copied the handler before the clear ends before the next
  // tick begins: after that one nothing more may count.
  ASSERT_TRUE(TickedSince(T.Ticks));
  const int Settled = First + Second;
  ASSERT_TRUE(TickedSince(T.Ticks + 2));
  EXPECT_EQ(First + Second, Settled) << "no tick after the handler was cleared";
  EXPECT_TRUE(T.Enabled());
}

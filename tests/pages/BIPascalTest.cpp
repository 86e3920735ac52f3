// The Galton board page with its real timer: balls keep falling while a
// message window is open (the message's own event loop runs the timer), and
// every landed ball shows in exactly one counter.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "common/Random.h"
#include "pages/PageClasses.h"
#include "pages/binomische/BIPascal.h"
#include "platform/StdControls.h"
#include "support/MessageRecorder.h"

namespace {

void RunEventsFor(int Milliseconds) {
  QEventLoop Loop;
  QTimer::singleShot(Milliseconds, &Loop, &QEventLoop::quit);
  Loop.exec();
}

}  // namespace

TEST(BIPascalPage, BallsKeepFallingUnderAMessageAndLandInOneCounterEach) {
  RegisterProgramClasses();
  RandomSeed(3);
  auto Page = CreateForm<TfmBIPascal>();
  Page->PCVGlassButton1Click(nullptr);  // start
  Page->PCVGlassButton1Click(nullptr);  // the diagram
  ASSERT_EQ(Page->Stage(), 2);

  // The diagram is still empty: the check reports the first combo, and the
  // board runs on for as long as the message is open.
  TMessageRecorder Seen;
  int StepsUnderMessage = 0;
  Seen.OnMessage = [&](const TRecordedMessage&) {
    const int Before = Page->Board().BallY() + 1000 * static_cast<int>(Page->Board().Landed());
    RunEventsFor(400);
    StepsUnderMessage = Page->Board().BallY() + 1000 * static_cast<int>(Page->Board().Landed()) - Before;
  };
  Page->PCVGlassButton1Click(nullptr);
  ASSERT_EQ(Seen.Count(), 1);
  EXPECT_NE(StepsUnderMessage, 0);

  // Two balls (about 5 s); the counters add up to the landed balls.
  Seen.OnMessage = nullptr;
  QElapsedTimer Clock;
  Clock.start();
  while (Page->Board().Landed() < 2 && Clock.elapsed() < 20000) RunEventsFor(100);
  std::int64_t Shown = 0;
  for (int K = 1; K <= 7; ++K)
    Shown += Page->Component<TLabel>(QStringLiteral("Label%1").arg(K))->Caption().toLongLong();
  EXPECT_GE(Page->Board().Landed(), 2);
  EXPECT_EQ(Shown, Page->Board().Landed());
}

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
#include "platform/Timer.h"
#include "scene/MMBox.h"
#include "scene/MMPoints.h"
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

TEST(BIPascalPage, TheTimerWaitsForTheFirstPressAndTheBallInTheSceneFollowsTheBoard) {
  RegisterProgramClasses();
  RandomSeed(5);
  auto Page = CreateForm<TfmBIPascal>();
  TTimer* Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
  EXPECT_FALSE(Timer->Enabled());
  EXPECT_FALSE(Timer->Running());
  const TMMPoint* Ball = Page->Component<TMMBox>(QStringLiteral("MMBox1"))->Points().FindByName("Kugel");
  ASSERT_NE(Ball, nullptr);
  Page->PCVGlassButton1Click(nullptr);
  EXPECT_TRUE(Timer->Enabled());
  // Down the board, into a bin and the next ball from the top.
  int Moves = 0;
  for (int Step = 1; Step <= 50; ++Step) {
    const TPoint Before{Ball->X(), Ball->Y()};
    Timer->Tick();
    EXPECT_EQ(Ball->X(), Page->Board().BallX()) << "step " << Step;
    EXPECT_EQ(Ball->Y(), Page->Board().BallY()) << "step " << Step;
    if (Before.X != Ball->X() || Before.Y != Ball->Y()) ++Moves;
  }
  EXPECT_EQ(Page->Board().Landed(), 1);
  EXPECT_GE(Moves, 44);
}

// The Galton board page driven tick by tick: balls keep falling while a
// message is open (the page leaves its timer running), and every landed ball
// shows in exactly one counter.
#include <gtest/gtest.h>

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

// No timer ticks by itself while it lives: ticks come from Tick() only.
struct TScriptedTime {
  TScriptedTime() { TTimer::SetScriptedTime(true); }
  ~TScriptedTime() { TTimer::SetScriptedTime(false); }
};

}  // namespace

TEST(BIPascalPage, BallsKeepFallingUnderAMessageAndLandInOneCounterEach) {
  RegisterProgramClasses();
  const TScriptedTime Scripted;
  RandomSeed(3);
  auto Page = CreateForm<TfmBIPascal>();
  auto* Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
  ASSERT_NE(Timer, nullptr);
  Page->PCVGlassButton1Click(nullptr);  // start
  Page->PCVGlassButton1Click(nullptr);  // the diagram
  ASSERT_EQ(Page->Stage(), 2);
  auto Progress = [&] { return Page->Board().BallY() + 1000 * static_cast<int>(Page->Board().Landed()); };

  // The diagram is still empty: the check reports the first combo. While
  // the message is open the timer stays on, and the ticks its event loop
  // delivers move the ball.
  TMessageRecorder Seen;
  bool RunningUnderMessage = false;
  int StepsUnderMessage = 0;
  Seen.OnMessage = [&](const TRecordedMessage&) {
    RunningUnderMessage = Timer->Enabled();
    const int Before = Progress();
    for (int I = 0; I < 10; ++I) Timer->Tick();
    StepsUnderMessage = Progress() - Before;
  };
  Page->PCVGlassButton1Click(nullptr);
  ASSERT_EQ(Seen.Count(), 1);
  EXPECT_TRUE(RunningUnderMessage);
  EXPECT_GT(StepsUnderMessage, 0);

  // A ball needs 44 steps from the top into its bin: two more balls land
  // within 100 ticks, and the counters add up to the landed balls.
  Seen.OnMessage = nullptr;
  const std::int64_t Before = Page->Board().Landed();
  for (int I = 0; I < 100; ++I) Timer->Tick();
  EXPECT_GE(Page->Board().Landed(), Before + 2);
  std::int64_t Shown = 0;
  for (int K = 1; K <= 7; ++K)
    Shown += Page->Component<TLabel>(QStringLiteral("Label%1").arg(K))->Caption().toLongLong();
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

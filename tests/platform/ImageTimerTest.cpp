#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/Bitmap.h"
#include "platform/Image.h"
#include "platform/Timer.h"

namespace {

TEST(Image, PlacesThePictureByItsModes) {
  struct {
    bool Stretch, Center, Proportional;
    TRect Expected;
  } Cases[] = {
      {false, false, false, {0, 0, 40, 20}},    // own size at the top left
      {false, true, false, {30, 40, 70, 60}},   // own size, centred
      {true, false, false, {0, 0, 100, 100}},   // stretched over the control
      {true, false, true, {0, 0, 100, 50}},     // stretched, shape kept
      {true, true, true, {0, 25, 100, 75}},     // stretched, shape kept, centred
      {false, false, true, {0, 0, 40, 20}},     // small pictures are not enlarged
  };
  for (const auto& C : Cases) {
    TImage Image;
    Image.SetBounds(0, 0, 100, 100);
    TBitmap Bitmap;
    Bitmap.SetSize(40, 20);
    Image.Picture()->SetGraphic(&Bitmap);
    Image.SetStretch(C.Stretch);
    Image.SetCenter(C.Center);
    Image.SetProportional(C.Proportional);
    EXPECT_EQ(Image.DestRect(), C.Expected) << C.Stretch << C.Center << C.Proportional;
  }
}

TEST(Image, AutoSizeFollowsThePicture) {
  TImage Image;
  Image.SetAutoSize(true);
  TBitmap Bitmap;
  Bitmap.SetSize(57, 69);
  Image.Picture()->SetGraphic(&Bitmap);
  EXPECT_EQ(Image.Width(), 57);
  EXPECT_EQ(Image.Height(), 69);
}

TEST(Timer, RunsFromCreationUntilDisabledOrZeroInterval) {
  TTimer Timer;
  EXPECT_TRUE(Timer.Running());
  EXPECT_EQ(Timer.Interval(), 1000);
  Timer.SetInterval(0);
  EXPECT_FALSE(Timer.Running());
  Timer.SetInterval(5);
  EXPECT_TRUE(Timer.Running());
  Timer.SetEnabled(false);
  EXPECT_FALSE(Timer.Running());
}

TEST(Timer, TicksReachTheHandlerButNeverNest) {
  TTimer Timer;
  Timer.SetInterval(1);
  int Ticks = 0;
  int Depth = 0;
  int MaxDepth = 0;
  Timer.OnTimer = [&](QObject* Sender) {
    EXPECT_EQ(Sender, &Timer);
    ++Ticks;
    MaxDepth = std::max(MaxDepth, ++Depth);
    Timer.Tick();  // a handler that lets further ticks in (as a modal message would)
    --Depth;
  };
  QElapsedTimer Clock;
  Clock.start();
  while (Ticks < 3 && Clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_GE(Ticks, 3);
  EXPECT_EQ(MaxDepth, 1);
}

}  // namespace

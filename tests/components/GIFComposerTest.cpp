// Composition of animation frames and the display rules of the GIF control.
#include <gtest/gtest.h>

#include "GIFTestPictures.h"
#include "components/GIFComposer.h"
#include "components/GIFDecoder.h"
#include "components/GIFDisplay.h"

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

TGIFPicture DecodeFrames(const std::vector<TGIFWriteFrame>& Frames) {
  const auto Data = EncodeFrames(Frames);
  return DecodeGIF(Data.data(), Data.size());
}

// A 4 x 4 red frame, a 2 x 2 frame at (1, 1) with the given disposal (blue,
// with white pixels that are transparent when asked), a green dot at (0, 0).
TGIFPicture ThreeFrames(int Disposal, bool Transparent) {
  static const TGIFPixels Back = SolidPixels(4, 4, kRed);
  static const TGIFPixels Middle = MakePixels(2, 2, [](int X, int Y) { return X == Y ? kWhite : kBlue; });
  static const TGIFPixels Dot = SolidPixels(1, 1, kGreen);
  TGIFWriteFrame M = Frame(Middle, 1, 1, 0, Disposal);
  M.Transparent = Transparent;
  M.TransparentColor = kWhite;
  return DecodeFrames({Frame(Back), M, Frame(Dot)});
}

std::uint32_t At(const TGIFComposer& C, int X, int Y) { return C.Picture().Row(Y)[X]; }

}  // namespace

TEST(GIFComposer, DisposalOfTheMiddleFrame) {
  constexpr std::uint32_t R = 0xFF000000 | kRed, B = 0xFF000000 | kBlue, W = 0xFF000000 | kWhite;
  constexpr std::uint32_t Black = 0xFF000000, Clear = 0;
  struct TCase {
    int Disposal;
    bool Transparent;
    std::uint32_t Expected[4];  // pixels (1,1), (2,1), (1,2), (2,2) while frame 3 shows
  };
  const TCase Cases[] = {
      {0, false, {W, B, B, W}},         {1, false, {W, B, B, W}},         {2, false, {Black, Black, Black, Black}},
      {3, false, {R, R, R, R}},         {1, true, {R, B, B, R}},          {2, true, {Clear, Clear, Clear, Clear}},
      {3, true, {R, R, R, R}},
  };
  for (const TCase& C : Cases) {
    const TGIFPicture P = ThreeFrames(C.Disposal, C.Transparent);
    ASSERT_EQ(P.Frames.size(), 3u);
    TGIFComposer Step, Jump;
    Step.Reset(P);
    for (int i = 0; i < 3; ++i) Step.ShowFrame(P, i);
    Jump.Reset(P);
    Jump.ShowFrame(P, 2);
    for (const TGIFComposer* Comp : {&Step, &Jump}) {
      EXPECT_EQ(At(*Comp, 0, 0), 0xFF000000 | kGreen);
      EXPECT_EQ(At(*Comp, 3, 3), R);
      EXPECT_EQ(At(*Comp, 1, 1), C.Expected[0]) << C.Disposal << C.Transparent;
      EXPECT_EQ(At(*Comp, 2, 1), C.Expected[1]) << C.Disposal << C.Transparent;
      EXPECT_EQ(At(*Comp, 1, 2), C.Expected[2]) << C.Disposal << C.Transparent;
      EXPECT_EQ(At(*Comp, 2, 2), C.Expected[3]) << C.Disposal << C.Transparent;
    }
    EXPECT_EQ(Step.Current(), 2);
  }
}

TEST(GIFComposer, FirstFrameAgainStartsFromTheBackground) {
  static const TGIFPixels Small = SolidPixels(2, 2, kBlue);
  static const TGIFPixels Dot = SolidPixels(1, 1, kGreen);
  const TGIFPicture P = DecodeFrames({Frame(Small), Frame(Dot, 3, 3)});
  TGIFComposer C;
  C.Reset(P);
  C.ShowFrame(P, 0);
  C.ShowFrame(P, 1);
  EXPECT_EQ(At(C, 3, 3), 0xFF000000 | kGreen);
  C.ShowFrame(P, 0);
  EXPECT_EQ(At(C, 3, 3), 0xFF000000u) << "the dot of the last pass is gone";
  EXPECT_EQ(At(C, 1, 1), 0xFF000000 | kBlue);
  C.ShowFrame(P, 5);
  EXPECT_EQ(C.Current(), 0) << "no such frame";
}

TEST(GIFDisplay, PlacesThePicture) {
  struct TCase {
    const char* Name;
    int Iw, Ih, W, H;
    TGIFLayout Layout;
    TRect Dest;
    bool Scaled, Tiled;
  };
  const TGIFLayout Plain{}, Stretch{.Stretch = true}, Ratio{.StretchRatio = true},
      Both{.Stretch = true, .StretchRatio = true}, RatioBig{.StretchRatio = true, .StretchBigOnly = true},
      StretchBig{.Stretch = true, .StretchBigOnly = true}, Tile{.Tile = true}, Center{.Center = true},
      CenterStretch{.Stretch = true, .Center = true};
  const TCase Cases[] = {
      {"natural size", 100, 50, 200, 200, Plain, {0, 0, 100, 50}, false, false},
      {"stretched", 100, 50, 200, 200, Stretch, {0, 0, 200, 200}, true, false},
      {"ratio, wide picture", 100, 50, 200, 200, Ratio, {0, 50, 200, 150}, true, false},
      {"ratio, tall picture", 50, 100, 200, 200, Ratio, {50, 0, 150, 200}, true, false},
      {"ratio, rounded", 3, 2, 4, 5, Ratio, {0, 1, 4, 4}, true, false},
      {"ratio, halves to even", 4, 2, 4, 7, Ratio, {0, 2, 4, 5}, true, false},
      {"ratio with stretch fills", 100, 50, 200, 200, Both, {0, 0, 200, 200}, true, false},
      {"big only, small picture", 100, 50, 200, 200, RatioBig, {0, 0, 100, 50}, false, false},
      {"big only, wide picture", 400, 100, 200, 200, RatioBig, {0, 75, 200, 125}, true, false},
      {"big only, tall picture", 100, 300, 200, 200, StretchBig, {0, 0, 200, 200}, true, false},
      {"same size", 200, 200, 200, 200, Stretch, {0, 0, 200, 200}, false, false},
      {"tiled", 30, 20, 200, 100, Tile, {0, 0, 200, 100}, false, true},
      {"centred", 101, 50, 200, 200, Center, {49, 75, 150, 125}, false, false},
      {"centred, larger picture", 205, 50, 200, 200, Center, {-2, 75, 203, 125}, false, false},
      {"stretch wins over centre", 100, 50, 200, 200, CenterStretch, {0, 0, 200, 200}, true, false},
      {"no picture", 0, 0, 200, 200, Stretch, {0, 0, 0, 0}, false, false},
  };
  for (const TCase& C : Cases) {
    const TGIFPlacement P = PlaceGIF(C.Iw, C.Ih, C.W, C.H, C.Layout);
    EXPECT_EQ(P.Dest, C.Dest) << C.Name << ": " << P.Dest.Left << "," << P.Dest.Top << "," << P.Dest.Right << ","
                              << P.Dest.Bottom;
    EXPECT_EQ(P.Scaled, C.Scaled) << C.Name;
    EXPECT_EQ(P.Tiled, C.Tiled) << C.Name;
  }
}

TEST(GIFDisplay, FrameTimeHasAFloorAndFollowsSpeed) {
  struct TCase {
    int Delay, Speed, Expected;
  };
  const TCase Cases[] = {{0, 100, 50},   {20, 100, 50},   {0, 200, 25},  {20, 200, 25},  {50, 100, 50},
                         {100, 100, 100}, {100, 50, 200},  {70, 300, 23}, {0, 0, 5000},   {0, -5, 5000},
                         {0, 100000, 1},  {655350, 1, 65535000}};
  for (const TCase& C : Cases) EXPECT_EQ(GIFFrameTime(C.Delay, C.Speed), C.Expected) << C.Delay << " " << C.Speed;
}

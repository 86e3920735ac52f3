#include <gtest/gtest.h>

#include "ControlsTestUtil.h"
#include "scene/PCBitmapRows.h"
#include "scene/PCPanel.h"

namespace {

TColor BufferAt(TPCPanel& P, int X, int Y) { return PixelToColor(PixelRowsOf(P.Buffer()).Row32(Y)[X]); }

// A W x H picture whose pixel (x, y) has red x, green y and blue 7.
std::unique_ptr<TPicture> MakePicture(int W, int H) {
  QImage Image(W, H, QImage::Format_RGB32);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) Image.setPixel(X, Y, qRgb(X, Y, 7));
  auto Picture = std::make_unique<TPicture>();
  Picture->SetGraphic(std::make_unique<TBitmap>(Image));
  return Picture;
}

TColor PictureColor(int X, int Y) { return X | (Y << 8) | (7 << 16); }

TEST(PCPanel, Defaults) {
  TPCPanel P;
  EXPECT_EQ(P.BackgroundMode(), bmMonochrom);
  EXPECT_EQ(P.Color(), clBtnFace);
  EXPECT_EQ(P.Color2(), 0);
  EXPECT_EQ(P.Pen()->Color(), clBlack);
  EXPECT_TRUE(P.Background()->Empty());
}

TEST(PCPanel, VerticalGradientOf485Rows) {
  TPCPanel P;
  P.SetColor(14676718);
  P.SetColor2(4149052);
  P.SetBounds(0, 0, 300, 485);
  P.SetBackgroundMode(bmVFloat);
  ASSERT_EQ(P.Buffer().Height(), 485);
  for (int Y = 0; Y < 9; ++Y) EXPECT_EQ(BufferAt(P, 150, Y), 14676718);
  EXPECT_EQ(BufferAt(P, 150, 9), GradientColor(14676718, 4149052, 1, 54));
  EXPECT_EQ(BufferAt(P, 299, 484), GradientColor(14676718, 4149052, 53, 54));
  EXPECT_EQ(BufferAt(P, 0, 100), BufferAt(P, 299, 100));
}

TEST(PCPanel, HorizontalGradientOfAHundredColumnsUsesTheMinimumStripe) {
  TPCPanel P;
  P.SetColor(0x0000FF);
  P.SetColor2(0xFF0000);
  P.SetBackgroundMode(bmHFloat);
  P.SetBounds(0, 0, 100, 40);
  EXPECT_EQ(BufferAt(P, 2, 20), 0x0000FF);
  EXPECT_EQ(BufferAt(P, 3, 20), GradientColor(0x0000FF, 0xFF0000, 1, 33));
  EXPECT_EQ(BufferAt(P, 99, 39), 0xFF0000);
}

TEST(PCPanel, ColourAloneDoesNotRenderAgain) {
  TPCPanel P;
  P.SetBounds(0, 0, 50, 50);
  EXPECT_EQ(BufferAt(P, 10, 10), ColorToRGB(clBtnFace));
  P.SetColor(0x112233);
  EXPECT_EQ(BufferAt(P, 10, 10), ColorToRGB(clBtnFace));
  P.SetColor2(5);  // any of the rendering changes shows the new colour
  EXPECT_EQ(BufferAt(P, 10, 10), 0x112233);
  EXPECT_EQ(BufferAt(P, 0, 0), clBlack);  // the pen's outline
}

TEST(PCPanel, PenChangeRendersAgain) {
  TPCPanel P;
  P.SetBounds(0, 0, 50, 50);
  P.Pen()->SetColor(0x0000FF);
  EXPECT_EQ(BufferAt(P, 0, 0), 0x0000FF);
}

TEST(PCPanel, PictureModes) {
  const auto Picture = MakePicture(10, 10);
  struct Case {
    TPCBackgroundMode Mode;
    int X, Y;
    TColor Expected;
  } Cases[] = {
      {bmSymmFillImage, 19, 0, PictureColor(0, 0)},
      {bmSymmFillImage, 0, 19, PictureColor(0, 0)},
      {bmSymmFillImage, 12, 3, PictureColor(7, 3)},
      {bmSymmFillImage, 25, 31, PictureColor(5, 8)},  // the second tile row: y 31 -> 11 -> 8
      {bmFillImage, 25, 31, PictureColor(5, 1)},
      {bmFillImage, 69, 49, PictureColor(9, 9)},
      {bmStretchImage, 0, 0, PictureColor(0, 0)},
      {bmStretchImage, 69, 49, PictureColor(9, 9)},
  };
  for (const Case& C : Cases) {
    TPCPanel P;
    P.SetBounds(0, 0, 70, 50);
    P.SetBackground(Picture.get());
    P.SetBackgroundMode(C.Mode);
    EXPECT_EQ(BufferAt(P, C.X, C.Y), C.Expected) << int(C.Mode) << " " << C.X << "," << C.Y;
  }
}

// A stretched picture is scaled once per picture, size and fill; every panel
// still shows exactly what it would have rendered itself.
TEST(PCPanel, StretchedBackgroundsAreReusedOnlyWhenNothingDiffers) {
  const auto Picture = MakePicture(10, 10);
  Picture->Graphic()->SetTransparent(true);  // the fill shows through one colour
  auto Render = [&](TColor Fill, int W) {
    TPCPanel P;
    P.SetColor(Fill);
    P.SetBounds(0, 0, W, 50);
    P.SetBackground(Picture.get());
    P.SetBackgroundMode(bmStretchImage);
    return P.Buffer().Image().copy();
  };
  const QImage Red = Render(clRed, 70);
  EXPECT_EQ(Render(clRed, 70), Red);
  const QImage Lime = Render(clLime, 70);
  EXPECT_NE(Lime, Red);
  EXPECT_EQ(Render(clRed, 70), Red);
  EXPECT_EQ(Render(clRed, 71).size(), QSize(71, 50));

  // Another picture of the same size is scaled anew.
  TPCPanel P;
  P.SetBounds(0, 0, 70, 50);
  P.SetBackground(Picture.get());
  P.SetBackgroundMode(bmStretchImage);
  TBitmap Changed(10, 10);
  Changed.Canvas().Brush().SetColor(clBlue);
  Changed.Canvas().FillRect(Rect(0, 0, 10, 10));
  TPicture Blue;
  Blue.SetGraphic(std::make_unique<TBitmap>(Changed));
  P.SetBackground(&Blue);
  EXPECT_EQ(BufferAt(P, 35, 25), clBlue);
}

TEST(PCPanel, EmptyOrZeroSizedPictureLeavesThePlainFill) {
  TPicture ZeroSized;
  ZeroSized.SetGraphic(std::make_unique<TBitmap>(0, 5));
  for (TPCBackgroundMode Mode : {bmStretchImage, bmFillImage, bmSymmFillImage}) {
    for (TPicture* Picture : {static_cast<TPicture*>(nullptr), &ZeroSized}) {
      TPCPanel P;
      P.SetColor(0x336699);
      P.SetBounds(0, 0, 40, 30);
      P.SetBackground(Picture);
      P.SetBackgroundMode(Mode);
      EXPECT_EQ(BufferAt(P, 20, 15), 0x336699) << int(Mode);
      EXPECT_EQ(BufferAt(P, 0, 0), clBlack);
    }
  }
}

TEST(PCPanel, ZeroSizeStillRenders) {
  TPCPanel P;
  P.SetBackgroundMode(bmVFloat);
  P.SetBounds(0, 0, 0, 0);
  P.SetBackgroundMode(bmHFloat);
  EXPECT_EQ(P.Buffer().Width(), 0);
}

TEST(PCPanel, BackgroundAndPaintEvents) {
  THost Host(clWhite, 60, 40);
  auto* P = new TPCPanel(&Host);
  P->SetBounds(0, 0, 60, 40);
  P->SetColor(0x00FF00);
  int BackgroundCalls = 0;
  P->OnBackgroundPaint = [&](QObject* Sender, TCanvas* Canvas) {
    ++BackgroundCalls;
    EXPECT_EQ(Sender, P);
    Canvas->SetPixel(5, 5, 0x0000FF);
  };
  P->OnPaint = [&](QObject*, TCanvas* Canvas) { Canvas->SetPixel(6, 6, 0xFF0000); };
  P->SetColor2(1);
  EXPECT_EQ(BackgroundCalls, 0);  // rendered when first needed, once
  EXPECT_EQ(BufferAt(*P, 5, 5), 0x0000FF);
  EXPECT_EQ(BackgroundCalls, 1);
  const QImage I = Snapshot(*P);
  EXPECT_EQ(PixelAt(I, 5, 5), 0x0000FF);
  EXPECT_EQ(PixelAt(I, 6, 6), 0xFF0000);    // painted on the copy only
  EXPECT_EQ(BufferAt(*P, 6, 6), 0x00FF00);  // the buffer keeps the background
  EXPECT_EQ(PixelAt(I, 30, 20), 0x00FF00);
}

}  // namespace

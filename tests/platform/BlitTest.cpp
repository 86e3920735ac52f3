// Block transfers: every raster operation against its boolean meaning, on 32-
// and 24-bit targets, plus stretching, mirroring and transparent drawing.
#include <gtest/gtest.h>

#include <random>

#include "CanvasTestUtil.h"
#include "platform/Bitmap.h"

namespace {

QImage RandomImage(int W, int H, unsigned Seed) {
  std::mt19937 Gen(Seed);
  QImage I(W, H, QImage::Format_RGB32);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) I.setPixel(X, Y, 0xFF000000u | (Gen() & 0xFFFFFFu));
  return I;
}

TBitmap RandomBitmap(int W, int H, unsigned Seed, TPixelFormat Format) {
  TBitmap B(RandomImage(W, H, Seed));
  B.SetPixelFormat(Format);
  return B;
}

}  // namespace

TEST(Blit, EveryRasterOperationCombinesSourceDestinationAndPattern) {
  const TCopyMode Rops[] = {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, SRCERASE, NOTSRCCOPY, NOTSRCERASE, MERGECOPY,
                            MERGEPAINT, PATCOPY, PATPAINT, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS,
                            0x00E20746 /* source where the pattern is set, else destination */,
                            0x00B8074A /* destination where the source is set, else pattern */};
  const TColor Pattern = RGB(0x5A, 0xC3, 0x0F);
  for (TPixelFormat Format : {pf32bit, pf24bit}) {
    for (TCopyMode Rop : Rops) {
      TBitmap Source = RandomBitmap(16, 8, 1, pf32bit);
      TBitmap Dest = RandomBitmap(16, 8, 2, Format);
      const QImage Before = Dest.Image().convertToFormat(QImage::Format_RGB32);
      Dest.Canvas().Brush().SetColor(Pattern);
      BitBlt(Dest.Canvas(), 0, 0, 16, 8, Source.Canvas(), 0, 0, Rop);
      const QImage After = Dest.Image().convertToFormat(QImage::Format_RGB32);
      const QImage& S = Source.Image();
      int Wrong = 0;
      for (int Y = 0; Y < 8; ++Y)
        for (int X = 0; X < 16; ++X) {
          const std::uint32_t Expected =
              Rop3(Rop, S.pixel(X, Y), Before.pixel(X, Y), TColorToQRgb(Pattern)) & 0xFFFFFFu;
          if ((After.pixel(X, Y) & 0xFFFFFFu) != Expected) ++Wrong;
        }
      EXPECT_EQ(Wrong, 0) << "rop " << std::hex << Rop << " format " << std::dec << Format;
    }
  }
}

TEST(Blit, WhiteAndInvertOperationsBehaveAsPicturesExpect) {
  TBitmap Picture = RandomBitmap(12, 12, 7, pf32bit);
  const QImage Original = Picture.Image().copy();
  TBitmap White(12, 12);
  BitBlt(Picture.Canvas(), 0, 0, 12, 12, White.Canvas(), 0, 0, SRCAND);
  EXPECT_EQ(Picture.Image(), Original);  // AND with white leaves the picture

  TBitmap Mask = RandomBitmap(12, 12, 8, pf32bit);
  BitBlt(Picture.Canvas(), 0, 0, 12, 12, Mask.Canvas(), 0, 0, SRCINVERT);
  EXPECT_NE(Picture.Image(), Original);
  BitBlt(Picture.Canvas(), 0, 0, 12, 12, Mask.Canvas(), 0, 0, SRCINVERT);
  EXPECT_EQ(Picture.Image(), Original);  // XOR twice restores it

  TBitmap Black(12, 12);
  Black.Canvas().Brush().SetColor(clBlack);
  Black.Canvas().FillRect({0, 0, 12, 12});
  BitBlt(Picture.Canvas(), 0, 0, 12, 12, Black.Canvas(), 0, 0, MERGEPAINT);
  EXPECT_EQ(QRgbToTColor(Picture.Image().pixel(5, 5)), clWhite);  // NOT black OR anything
}

TEST(Blit, BlockCopyWorksOnPartsAndOverlappingAreasOfOneCanvas) {
  TBitmap B = RandomBitmap(20, 10, 3, pf32bit);
  const QImage Original = B.Image().copy();
  BitBlt(B.Canvas(), 5, 2, 10, 6, B.Canvas(), 3, 1, SRCCOPY);
  const QImage& After = B.Image();
  for (int Y = 0; Y < 6; ++Y)
    for (int X = 0; X < 10; ++X) ASSERT_EQ(After.pixel(5 + X, 2 + Y), Original.pixel(3 + X, 1 + Y));
  EXPECT_EQ(After.pixel(0, 0), Original.pixel(0, 0));
  // Copies reaching beyond the target are clipped, not refused.
  BitBlt(B.Canvas(), 15, 5, 100, 100, B.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(B.Image().pixel(19, 9), Original.pixel(4, 4));
}

TEST(Blit, StretchingPicksNearestPixelsAndNegativeExtentsMirror) {
  QImage Small(2, 2, QImage::Format_RGB32);
  Small.setPixel(0, 0, qRgb(255, 0, 0));
  Small.setPixel(1, 0, qRgb(0, 255, 0));
  Small.setPixel(0, 1, qRgb(0, 0, 255));
  Small.setPixel(1, 1, qRgb(255, 255, 0));
  const TBitmap Pic(Small);
  TImageCanvas T(6, 4);
  T.Canvas.StretchDraw({0, 0, 4, 4}, Pic);
  EXPECT_EQ(ColorMask(T.Done(), clRed), Rows({"##....", "##....", "......", "......"}));
  EXPECT_EQ(ColorMask(T.Done(), clYellow), Rows({"......", "......", "..##..", "..##.."}));

  // A mirrored tile: the picture at (0,0), mirrored left-right into the
  // right half, top-bottom into the bottom half, and both ways.
  const TBitmap P = RandomBitmap(10, 10, 4, pf32bit);
  TBitmap Tile(20, 20);
  Tile.Canvas().StretchDraw({0, 0, 10, 10}, P);
  Tile.Canvas().StretchDraw({19, 0, 9, 10}, P);
  Tile.Canvas().StretchDraw({0, 19, 10, 9}, P);
  Tile.Canvas().StretchDraw({19, 19, 9, 9}, P);
  const QImage& I = Tile.Image();
  const QImage& Src = P.Image();
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 10; ++X) {
      ASSERT_EQ(I.pixel(X, Y), Src.pixel(X, Y));
      ASSERT_EQ(I.pixel(19 - X, Y), Src.pixel(X, Y));
      ASSERT_EQ(I.pixel(X, 19 - Y), Src.pixel(X, Y));
      ASSERT_EQ(I.pixel(19 - X, 19 - Y), Src.pixel(X, Y));
    }
}

TEST(Blit, StretchingFarBeyondTheTargetCostsOnlyTheVisiblePart) {
  const TBitmap P = RandomBitmap(3, 3, 5, pf32bit);
  TImageCanvas T(10, 10);
  T.Canvas.StretchDraw({-300000000, -300000000, 300000000, 300000000}, P);
  EXPECT_EQ(T.Done().pixel(0, 0), P.Image().pixel(1, 1));
}

TEST(Blit, TransparentBitmapsLeaveTheirTransparentColourOut) {
  TBitmap Sprite(4, 4);
  Sprite.Canvas().Brush().SetColor(clFuchsia);
  Sprite.Canvas().FillRect({0, 0, 4, 4});
  Sprite.Canvas().Brush().SetColor(clNavy);
  Sprite.Canvas().FillRect({1, 1, 3, 3});
  EXPECT_EQ(Sprite.TransparentColor(), clFuchsia);  // bottom-left pixel while automatic
  Sprite.SetTransparent(true);
  TImageCanvas T(6, 6);
  T.Canvas.Draw(1, 1, Sprite);
  EXPECT_EQ(ColorMask(T.Done(), clWhite), Rows({"######", "######", "##..##", "##..##", "######", "######"}));
  EXPECT_EQ(T.At(2, 2), clNavy);

  Sprite.SetTransparentColor(clNavy);
  EXPECT_EQ(Sprite.TransparentMode(), tmFixed);
  TImageCanvas U(4, 4);
  U.Canvas.Draw(0, 0, Sprite);
  EXPECT_EQ(ColorMask(U.Done(), clWhite), Rows({"....", ".##.", ".##.", "...."}));
}

TEST(Blit, DrawUsesTheCanvasCopyMode) {
  TBitmap Pic(4, 4);
  Pic.Canvas().Brush().SetColor(RGB(0x0F, 0xF0, 0x33));
  Pic.Canvas().FillRect({0, 0, 4, 4});
  TImageCanvas T(4, 4);
  T.Image.fill(qRgb(0xF0, 0xF0, 0xF0));
  T.Canvas.SetCopyMode(SRCAND);
  T.Canvas.Draw(0, 0, Pic);
  EXPECT_EQ(T.At(3, 3), RGB(0x00, 0xF0, 0x30));
}

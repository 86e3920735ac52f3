// Colour reduction of the artwork generator.
#include <gtest/gtest.h>

#include <set>

#include "ArtPalette.h"

namespace {

QImage Filled(int W, int H, QRgb C) {
  QImage I(W, H, QImage::Format_ARGB32_Premultiplied);
  I.fill(C);
  return I;
}

// A horizontal grey ramp over all 256 levels.
QImage GreyRamp() {
  QImage I(256, 4, QImage::Format_ARGB32_Premultiplied);
  for (int Y = 0; Y < I.height(); ++Y)
    for (int X = 0; X < 256; ++X) I.setPixel(X, Y, qRgb(X, X, X));
  return I;
}

int MaxChannelError(QRgb A, QRgb B) {
  return std::max({std::abs(qRed(A) - qRed(B)), std::abs(qGreen(A) - qGreen(B)), std::abs(qBlue(A) - qBlue(B))});
}

}  // namespace

TEST(ArtPalette, FewColoursAreKeptExactly) {
  QImage I = Filled(8, 8, qRgb(10, 20, 30));
  I.setPixel(1, 1, qRgb(200, 100, 50));
  I.setPixel(2, 2, qRgb(0, 255, 0));
  const std::vector<QRgb> Palette = ChoosePalette({I}, 0xFFFFFFFFu, 256);
  EXPECT_EQ(Palette.size(), 3u);
  const std::vector<std::uint32_t> Mapped = MapToPalette(I, Palette, 0xFFFFFFFFu);
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 8; ++X) EXPECT_EQ(Mapped[Y * 8 + X], I.pixel(X, Y)) << X << "," << Y;
}

TEST(ArtPalette, ManyColoursAreReducedWithBoundedError) {
  for (int Max : {8, 16, 64}) {
    const QImage Ramp = GreyRamp();
    const std::vector<QRgb> Palette = ChoosePalette({Ramp}, 0xFFFFFFFFu, Max);
    EXPECT_LE(static_cast<int>(Palette.size()), Max);
    EXPECT_GE(static_cast<int>(Palette.size()), Max - 1);
    const std::vector<std::uint32_t> Mapped = MapToPalette(Ramp, Palette, 0xFFFFFFFFu);
    int Worst = 0;
    for (int X = 0; X < 256; ++X) Worst = std::max(Worst, MaxChannelError(Mapped[X], Ramp.pixel(X, 0)));
    EXPECT_LE(Worst, 256 / Max) << Max << " colours";
  }
}

TEST(ArtPalette, PinnedColoursStayAndSameInputGivesSamePalette) {
  const QImage Ramp = GreyRamp();
  const QRgb Pin = qRgb(123, 45, 67);
  const std::vector<QRgb> A = ChoosePalette({Ramp}, 0xFFFFFFFFu, 16, {Pin});
  EXPECT_EQ(A, ChoosePalette({Ramp}, 0xFFFFFFFFu, 16, {Pin}));
  EXPECT_EQ(A.size(), 16u);
  EXPECT_EQ(A.front(), Pin);
  // More pinned colours than room: the palette never grows beyond it.
  const std::vector<QRgb> Crowded = ChoosePalette({Ramp}, 0xFFFFFFFFu, 2, {qRgb(1, 1, 1), qRgb(2, 2, 2), qRgb(3, 3, 3)});
  EXPECT_EQ(Crowded, (std::vector<QRgb>{qRgb(1, 1, 1), qRgb(2, 2, 2)}));
}

TEST(ArtPalette, TransparencyAndMatte) {
  QImage I = Filled(4, 1, qRgba(0, 0, 0, 0));
  I.setPixel(1, 0, qRgba(0, 0, 0, 255));     // opaque black
  I.setPixel(2, 0, qRgba(64, 64, 64, 128));  // half-covered grey over white
  I.setPixel(3, 0, qRgba(0, 0, 0, 100));     // mostly uncovered: left out
  const std::vector<QRgb> Palette = ChoosePalette({I}, 0xFFFFFFFFu, 255);
  ASSERT_EQ(Palette.size(), 2u);
  TMapOptions Options;
  Options.TransparentKey = 0xFF123456u;
  const std::vector<std::uint32_t> Mapped = MapToPalette(I, Palette, 0xFFFFFFFFu, Options);
  EXPECT_EQ(Mapped[0], 0xFF123456u);
  EXPECT_EQ(Mapped[1], 0xFF000000u);
  EXPECT_LE(MaxChannelError(Mapped[2], qRgb(191, 191, 191)), 1);
  EXPECT_EQ(Mapped[3], 0xFF123456u);
}

TEST(ArtPalette, DitherMixesNeighbouringColours) {
  // A flat grey halfway between the two palette colours comes out as a
  // pattern of both with dithering, as one of them without.
  const QImage Grey = Filled(8, 8, qRgb(128, 128, 128));
  const std::vector<QRgb> Palette = {qRgb(96, 96, 96), qRgb(160, 160, 160)};
  TMapOptions Options;
  Options.Dither = 64;
  const std::vector<std::uint32_t> Dithered = MapToPalette(Grey, Palette, 0xFFFFFFFFu, Options);
  const std::set<std::uint32_t> Used(Dithered.begin(), Dithered.end());
  EXPECT_EQ(Used.size(), 2u);
  const std::vector<std::uint32_t> Plain = MapToPalette(Grey, Palette, 0xFFFFFFFFu);
  EXPECT_EQ(std::set<std::uint32_t>(Plain.begin(), Plain.end()).size(), 1u);
}

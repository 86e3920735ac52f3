// The artwork check compares pictures, not files: a drawing that a newer
// font engine shifts by a level here and there passes, a changed drawing
// does not.
#include <gtest/gtest.h>

#include <functional>

#include "ArtCompare.h"
#include "components/GIFDecoder.h"
#include "components/GIFWriter.h"

namespace {

TGIFPicture Written(const std::function<std::uint32_t(int, int)>& Colour, int Width = 80, int Height = 60) {
  TGIFPixels P(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) P.Row(Y)[X] = 0xFF000000u | Colour(X, Y);
  TGIFWriteFrame F;
  F.Picture = &P;
  std::vector<std::uint8_t> Data;
  EXPECT_TRUE(EncodeGIF({F}, {}, Data));
  return DecodeGIF(Data.data(), Data.size());
}

std::uint32_t Grey(int Level) { return static_cast<std::uint32_t>(Level) * 0x010101u; }

// A light ground with a dark bar, as letters and edges are.
std::uint32_t Drawing(int X, int Y) { return Y >= 20 && Y < 24 && X >= 10 && X < 70 ? Grey(20) : Grey(230); }

}  // namespace

TEST(ArtCompare, SmallShiftsPassAndChangedDrawingsFail) {
  const TGIFPicture Shipped = Written(Drawing);
  const TPictureDistance Same = PictureDistance(Shipped, Written(Drawing));
  EXPECT_EQ(Same.MeanChannel, 0);
  EXPECT_EQ(Same.Far, 0);

  // Every pixel two levels off, and an edge of the bar moved by one pixel
  // (60 of 4800 pixels): what a font or antialiasing update does.
  const TPictureDistance Shifted = PictureDistance(Shipped, Written([](int X, int Y) {
    const std::uint32_t C = Drawing(X, Y == 24 ? 23 : Y);
    return C + 0x020202u;
  }));
  EXPECT_TRUE(LooksAlike(Shifted)) << Shifted.MeanChannel << " " << Shifted.Far;

  // A drift of the whole palette, the bar gone, or a picture of another
  // size: clearly different.
  EXPECT_FALSE(LooksAlike(PictureDistance(Shipped, Written([](int X, int Y) { return Drawing(X, Y) + 0x0A0A0Au; }))));
  const TPictureDistance Gone = PictureDistance(Shipped, Written([](int, int) { return Grey(230); }));
  EXPECT_FALSE(LooksAlike(Gone)) << Gone.MeanChannel << " " << Gone.Far;
  EXPECT_NEAR(Gone.Far, 240.0 / 4800.0, 1e-9);
  EXPECT_FALSE(LooksAlike(PictureDistance(Shipped, Written(Drawing, 81, 60))));
}

// Turning drawn pictures into GIF files.
#include <gtest/gtest.h>

#include <QPainter>
#include <set>

#include "Artwork.h"
#include "components/GIFDecoder.h"

namespace {

TGIFPicture Decode(const std::vector<std::uint8_t>& Bytes) { return DecodeGIF(Bytes.data(), Bytes.size()); }

QImage Rainbow(int W, int H, int Alpha) {
  QImage I(W, H, QImage::Format_ARGB32);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) I.setPixel(X, Y, qRgba(X * 255 / W, Y * 255 / H, (X + Y) % 256, Alpha));
  return I.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

TEST(ArtworkEncode, ManyColoursAcrossFramesComeFromOnePaletteOfAtMost256) {
  TArtPicture P;
  P.Frames = {Rainbow(64, 48, 255), Rainbow(64, 48, 255).mirrored(true, false)};
  P.Delays = {100, 200};
  const TGIFPicture Gif = Decode(EncodeArt(P));
  ASSERT_EQ(Gif.Status, TGIFStatus::Ok);
  ASSERT_EQ(Gif.Frames.size(), 2u);
  std::set<std::uint32_t> Used;
  for (const TGIFFrame& F : Gif.Frames)
    for (std::uint8_t I : F.Indices) Used.insert(F.Palette[I]);
  EXPECT_LE(Used.size(), 256u);
  EXPECT_GE(Used.size(), 200u);
  EXPECT_EQ(Gif.Frames[1].Delay, 200);
  EXPECT_TRUE(Gif.HasLoopExtension);
}

TEST(ArtworkEncode, TransparencyNeverSwallowsAColourOfThePicture) {
  // The picture uses the colour the encoder would like for transparency.
  QImage I(4, 1, QImage::Format_ARGB32_Premultiplied);
  I.fill(Qt::transparent);
  I.setPixel(1, 0, qRgb(255, 0, 255));
  I.setPixel(2, 0, qRgb(0, 0, 0));
  TArtPicture P;
  P.Frames = {I};
  P.Transparent = true;
  const TGIFPicture Gif = Decode(EncodeArt(P));
  ASSERT_EQ(Gif.Frames.size(), 1u);
  const TGIFFrame& F = Gif.Frames[0];
  ASSERT_TRUE(F.Transparent);
  EXPECT_EQ(F.Indices[0], F.TransparentIndex);
  EXPECT_EQ(F.Indices[3], F.TransparentIndex);
  EXPECT_NE(F.Indices[1], F.TransparentIndex);
  EXPECT_EQ(F.Palette[F.Indices[1]] & 0xFFFFFF, 0xFF00FFu);
  EXPECT_FALSE(Gif.HasLoopExtension);
}

TEST(ArtworkEncode, OpaquePicturesShowTheMatteWhereNothingIsDrawn) {
  TArtPicture P;
  P.Frames = {Rainbow(8, 8, 0)};
  P.Matte = qRgb(10, 200, 30);
  const TGIFPicture Gif = Decode(EncodeArt(P));
  ASSERT_EQ(Gif.Frames.size(), 1u);
  EXPECT_FALSE(Gif.Frames[0].Transparent);
  for (std::uint8_t I : Gif.Frames[0].Indices) EXPECT_EQ(Gif.Frames[0].Palette[I] & 0xFFFFFF, 0x0AC81Eu);
}

TEST(ArtworkEncode, DrawingIsRepeatable) {
  for (const TArtPiece& Piece : ArtCatalogue()) {
    if (Piece.FileName != "figure.gif" && Piece.FileName != "tool_index.gif") continue;
    EXPECT_EQ(EncodeArt(Piece.Draw()), EncodeArt(Piece.Draw())) << Piece.FileName.toStdString();
  }
}

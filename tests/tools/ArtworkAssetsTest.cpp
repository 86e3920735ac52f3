// The pictures the program ships: each is compiled in, reads back with the
// size and frames the generator promises, and fits its place on screen.
#include <gtest/gtest.h>

#include <QFile>
#include <set>

#include "Artwork.h"
#include "components/GIFDecoder.h"
#include "components/GIFGraphic.h"
#include "platform/Picture.h"

namespace {

QString ResourcePath(const TArtPiece& Piece) { return QStringLiteral(":/pictures/") + Piece.FileName; }

TGIFPicture DecodeResource(const QString& Path) {
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) return {};
  const QByteArray Data = File.readAll();
  return DecodeGIF(reinterpret_cast<const std::uint8_t*>(Data.constData()), static_cast<std::size_t>(Data.size()));
}

// The frame's colour at (X, Y), or -1 where it is transparent.
std::int64_t ColorAt(const TGIFFrame& F, int X, int Y) {
  const int I = F.Indices[static_cast<std::size_t>(Y * F.Width + X)];
  if (F.Transparent && I == F.TransparentIndex) return -1;
  return F.Palette[static_cast<std::size_t>(I)] & 0xFFFFFF;
}

double Luminance(std::uint32_t Rgb) {
  return (0.2126 * ((Rgb >> 16) & 0xFF) + 0.7152 * ((Rgb >> 8) & 0xFF) + 0.0722 * (Rgb & 0xFF)) / 255.0;
}

bool StartsWith(const TArtPiece& Piece, const char* Prefix) { return Piece.FileName.startsWith(QLatin1String(Prefix)); }

}  // namespace

TEST(ArtworkAssets, EveryPictureLoadsFromTheResourcesWithItsSize) {
  RegisterGIFGraphic();
  std::set<QString> Names;
  for (const TArtPiece& Piece : ArtCatalogue()) {
    SCOPED_TRACE(Piece.FileName.toStdString());
    EXPECT_TRUE(Names.insert(Piece.FileName).second) << "listed twice";
    TPicture Picture;
    ASSERT_NO_THROW(Picture.LoadFromFile(ResourcePath(Piece)));
    EXPECT_EQ(Picture.Width(), Piece.Width);
    EXPECT_EQ(Picture.Height(), Piece.Height);
    const TGIFPicture Gif = DecodeResource(ResourcePath(Piece));
    EXPECT_EQ(Gif.Status, TGIFStatus::Ok);
    EXPECT_EQ(static_cast<int>(Gif.Frames.size()), Piece.FrameCount);
  }
  EXPECT_EQ(Names.size(), 32u);
}

TEST(ArtworkAssets, TheFigureLoopsEndlesslyWithVisibleMotion) {
  const TGIFPicture Gif = DecodeResource(QStringLiteral(":/pictures/figure.gif"));
  ASSERT_GE(Gif.Frames.size(), 4u);
  EXPECT_TRUE(Gif.HasLoopExtension);
  EXPECT_EQ(Gif.LoopCount, 0);
  std::set<std::vector<std::uint8_t>> Distinct;
  for (const TGIFFrame& F : Gif.Frames) {
    EXPECT_GE(F.Delay, 50);
    EXPECT_EQ(F.Disposal, 2);  // each frame is whole and replaces the last
    EXPECT_TRUE(F.Transparent);
    Distinct.insert(F.Indices);
  }
  EXPECT_GE(Distinct.size(), 3u);
}

TEST(ArtworkAssets, ChapterBackgroundsAreLightEnoughForBlackText) {
  for (const TArtPiece& Piece : ArtCatalogue()) {
    if (!StartsWith(Piece, "chapter") || StartsWith(Piece, "chapterstart")) continue;
    SCOPED_TRACE(Piece.FileName.toStdString());
    const TGIFPicture Gif = DecodeResource(ResourcePath(Piece));
    ASSERT_EQ(Gif.Frames.size(), 1u);
    const TGIFFrame& F = Gif.Frames[0];
    double Darkest = 1;
    for (int Y = 0; Y < F.Height; ++Y)
      for (int X = 0; X < F.Width; ++X) Darkest = std::min(Darkest, Luminance(static_cast<std::uint32_t>(ColorAt(F, X, Y))));
    // contrast with black text of at least 15 : 1
    EXPECT_GE(Darkest, 0.70);
  }
}

TEST(ArtworkAssets, GlyphsAndButtonsStandFreeOnTheirBackground) {
  for (const TArtPiece& Piece : ArtCatalogue()) {
    if (!StartsWith(Piece, "tool_") && !StartsWith(Piece, "path") && Piece.FileName != "startpage.gif") continue;
    SCOPED_TRACE(Piece.FileName.toStdString());
    const TGIFPicture Gif = DecodeResource(ResourcePath(Piece));
    ASSERT_EQ(Gif.Frames.size(), 1u);
    const TGIFFrame& F = Gif.Frames[0];
    EXPECT_EQ(ColorAt(F, 0, 0), -1);
    EXPECT_EQ(ColorAt(F, F.Width - 1, 0), -1);
    int Opaque = 0;
    for (int Y = 0; Y < F.Height; ++Y)
      for (int X = 0; X < F.Width; ++X) Opaque += ColorAt(F, X, Y) >= 0 ? 1 : 0;
    // clearly drawn, but not a filled square
    EXPECT_GT(Opaque, F.Width * F.Height / 5);
    EXPECT_LT(Opaque, F.Width * F.Height * 9 / 10);
  }
}

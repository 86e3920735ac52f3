// Our GIF files as another reader sees them, and small files made by hand as
// our reader sees them: Qt's own GIF reader must find the pixels we wrote,
// and both readers agree on files written byte by byte from the format's
// description (version 87a, interlaced rows, a local colour table).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <cstdint>
#include <vector>

#include "GIFTestPictures.h"
#include "components/GIFDecoder.h"

namespace {

std::vector<QImage> QtFrames(const std::vector<std::uint8_t>& Data) {
  QByteArray Bytes(reinterpret_cast<const char*>(Data.data()), static_cast<qsizetype>(Data.size()));
  QBuffer Buffer(&Bytes);
  QImageReader Reader(&Buffer, "gif");
  std::vector<QImage> Frames;
  for (QImage Image = Reader.read(); !Image.isNull(); Image = Reader.read())
    Frames.push_back(Image.convertToFormat(QImage::Format_ARGB32));
  return Frames;
}

// Pixels of a picture that differ from the image Qt read (transparent
// pixels compared by their alpha only); at most a few are listed.
std::string Differences(const TGIFPixels& Want, const QImage& Got, std::uint32_t TransparentColor = 0xFFFFFFFF) {
  if (Got.width() != Want.Width || Got.height() != Want.Height)
    return "size " + std::to_string(Got.width()) + "x" + std::to_string(Got.height());
  std::string Listed;
  int Count = 0;
  for (int Y = 0; Y < Want.Height; ++Y)
    for (int X = 0; X < Want.Width; ++X) {
      const std::uint32_t W = Want.Row(Y)[X] & 0xFFFFFF;
      const QRgb G = Got.pixel(X, Y);
      const bool Same = W == TransparentColor ? qAlpha(G) == 0 : qAlpha(G) == 255 && (G & 0xFFFFFF) == W;
      if (!Same && ++Count <= 3) Listed += " (" + std::to_string(X) + "," + std::to_string(Y) + ")";
    }
  return Count == 0 ? std::string() : std::to_string(Count) + " pixels differ:" + Listed;
}

// Codes packed least significant bit first, the way GIF stores them.
struct TBits {
  std::vector<std::uint8_t> Bytes;
  unsigned Acc = 0;
  int Count = 0;
  void Put(unsigned Code, int Size) {
    Acc |= Code << Count;
    Count += Size;
    for (; Count >= 8; Count -= 8, Acc >>= 8) Bytes.push_back(static_cast<std::uint8_t>(Acc));
  }
};

// Image data for the colour indices Pixels: a clear code before every two
// pixels keeps the table from growing, so every code has MinSize + 1 bits.
std::vector<std::uint8_t> ImageData(int MinSize, const std::vector<unsigned>& Pixels) {
  const unsigned Clear = 1u << MinSize;
  TBits Bits;
  for (std::size_t I = 0; I < Pixels.size(); ++I) {
    if (I % 2 == 0) Bits.Put(Clear, MinSize + 1);
    Bits.Put(Pixels[I], MinSize + 1);
  }
  Bits.Put(Clear + 1, MinSize + 1);
  if (Bits.Count > 0) Bits.Bytes.push_back(static_cast<std::uint8_t>(Bits.Acc));
  std::vector<std::uint8_t> Out{static_cast<std::uint8_t>(MinSize), static_cast<std::uint8_t>(Bits.Bytes.size())};
  for (const std::uint8_t B : Bits.Bytes) Out.push_back(B);
  Out.push_back(0);  // block terminator
  return Out;
}

void Append(std::vector<std::uint8_t>& To, const std::vector<std::uint8_t>& Bytes) {
  for (const std::uint8_t B : Bytes) To.push_back(B);
}

std::vector<std::uint8_t> Colours(const std::vector<std::uint32_t>& Rgb) {
  std::vector<std::uint8_t> Out;
  for (const std::uint32_t C : Rgb)
    Append(Out, {static_cast<std::uint8_t>(C >> 16), static_cast<std::uint8_t>(C >> 8), static_cast<std::uint8_t>(C)});
  return Out;
}

struct THandMade {
  const char* Name;
  std::vector<std::uint8_t> File;
  int Width;
  int Height;
  std::vector<std::uint32_t> Rgb;  // row by row
};

std::vector<THandMade> HandMadeFiles() {
  std::vector<THandMade> Files;
  {
    // 87a, 2 x 2, a global table of four colours, no extensions.
    std::vector<std::uint8_t> F{'G', 'I', 'F', '8', '7', 'a', 2, 0, 2, 0, 0x81, 0, 0};
    Append(F, Colours({0x000000, 0xFF0000, 0x00FF00, 0x0000FF}));
    Append(F, {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x00});
    Append(F, ImageData(2, {3, 2, 1, 0}));
    F.push_back(0x3B);
    Files.push_back({"87a", F, 2, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0x000000}});
  }
  {
    // Interlaced, 2 x 8: the rows come in the order 0, 4, 2, 6, 1, 3, 5, 7;
    // row r shows colour r in its left pixel and colour 7 - r in its right.
    std::vector<std::uint32_t> Table;
    for (int I = 0; I < 8; ++I) Table.push_back(TestColor(I + 1) & 0xFFFFFF);
    std::vector<std::uint8_t> F{'G', 'I', 'F', '8', '9', 'a', 2, 0, 8, 0, 0x82, 0, 0};
    Append(F, Colours(Table));
    Append(F, {0x2C, 0, 0, 0, 0, 2, 0, 8, 0, 0x40});
    std::vector<unsigned> Stored;
    for (const unsigned Row : {0u, 4u, 2u, 6u, 1u, 3u, 5u, 7u}) {
      Stored.push_back(Row);
      Stored.push_back(7 - Row);
    }
    Append(F, ImageData(3, Stored));
    F.push_back(0x3B);
    std::vector<std::uint32_t> Rgb;
    for (std::size_t Row = 0; Row < 8; ++Row) {
      Rgb.push_back(Table[Row]);
      Rgb.push_back(Table[7 - Row]);
    }
    Files.push_back({"interlaced", F, 2, 8, Rgb});
  }
  {
    // A global table of red and green, and an image with its own table of
    // blue and yellow that its indices refer to.
    std::vector<std::uint8_t> F{'G', 'I', 'F', '8', '9', 'a', 3, 0, 1, 0, 0x80, 0, 0};
    Append(F, Colours({0xFF0000, 0x00FF00}));
    Append(F, {0x2C, 0, 0, 0, 0, 3, 0, 1, 0, 0x80});
    Append(F, Colours({0x0000FF, 0xFFFF00}));
    Append(F, ImageData(2, {1, 0, 1}));
    F.push_back(0x3B);
    Files.push_back({"local table", F, 3, 1, {0xFFFF00, 0x0000FF, 0xFFFF00}});
  }
  return Files;
}

}  // namespace

TEST(GIFCrossCheck, QtReadsThePixelsWeWrite) {
  struct TCase {
    const char* Name;
    TGIFPixels Picture;
    bool Interlaced;
  } Cases[] = {
      {"two colours, odd width", MakePixels(7, 3, [](int X, int Y) { return (X + Y) % 2 ? 0xFFFFFFu : 0u; }), false},
      {"16 colours", MakePixels(13, 9, [](int X, int Y) { return TestColor((X * 3 + Y) % 16); }), false},
      {"256 colours", MakePixels(32, 8, [](int X, int Y) { return TestColor(Y * 32 + X); }), false},
      {"interlaced", MakePixels(5, 11, [](int X, int Y) { return TestColor(Y * 5 + X); }), true},
  };
  for (const TCase& C : Cases) {
    TGIFWriteFrame F = Frame(C.Picture);
    F.Interlaced = C.Interlaced;
    const std::vector<QImage> Read = QtFrames(EncodeFrames({F}, false));
    ASSERT_EQ(Read.size(), 1u) << C.Name;
    EXPECT_EQ(Differences(C.Picture, Read[0]), "") << C.Name;
  }

  // A transparent colour, and an animation of whole frames.
  const TGIFPixels Spot = MakePixels(6, 4, [](int X, int Y) { return X == Y ? 0x00FF00u : 0x800000u; });
  TGIFWriteFrame See = Frame(Spot);
  See.Transparent = true;
  See.TransparentColor = 0x00FF00;
  const std::vector<QImage> Through = QtFrames(EncodeFrames({See}, false));
  ASSERT_EQ(Through.size(), 1u);
  EXPECT_EQ(Differences(Spot, Through[0], 0x00FF00), "");

  const TGIFPixels A = SolidPixels(4, 3, 0xFF0000), B = MakePixels(4, 3, [](int X, int) { return TestColor(X); });
  const std::vector<QImage> Moving = QtFrames(EncodeFrames({Frame(A, 0, 0, 100), Frame(B, 0, 0, 100)}));
  ASSERT_EQ(Moving.size(), 2u);
  EXPECT_EQ(Differences(A, Moving[0]), "");
  EXPECT_EQ(Differences(B, Moving[1]), "");
}

TEST(GIFCrossCheck, HandMadeFilesReadTheSameByBothReaders) {
  for (const THandMade& H : HandMadeFiles()) {
    SCOPED_TRACE(H.Name);
    const TGIFPicture Ours = DecodeGIF(H.File.data(), H.File.size());
    ASSERT_EQ(Ours.Status, TGIFStatus::Ok);
    ASSERT_EQ(Ours.Frames.size(), 1u);
    const TGIFFrame& F = Ours.Frames[0];
    ASSERT_EQ(F.Width, H.Width);
    ASSERT_EQ(F.Height, H.Height);
    const std::vector<QImage> Theirs = QtFrames(H.File);
    ASSERT_EQ(Theirs.size(), 1u);
    for (int Y = 0; Y < H.Height; ++Y)
      for (int X = 0; X < H.Width; ++X) {
        const std::uint32_t Want = H.Rgb[static_cast<std::size_t>(Y * H.Width + X)];
        EXPECT_EQ(FrameColor(F, X, Y), Want) << X << "," << Y;
        EXPECT_EQ(Theirs[0].pixel(X, Y) & 0xFFFFFF, Want) << "Qt " << X << "," << Y;
      }
  }
  EXPECT_FALSE(DecodeGIF(HandMadeFiles()[0].File.data(), HandMadeFiles()[0].File.size()).Version89a);
}

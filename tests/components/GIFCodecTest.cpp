// The GIF reader and writer: round trips, file layout, limits and bad data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <unistd.h>

#include "GIFTestPictures.h"
#include "common/Colors.h"
#include "components/GIFDecoder.h"
#include "components/GIFLzw.h"
#include "components/GIFWriter.h"

namespace {

TGIFPicture Decode(const std::vector<std::uint8_t>& Data, const TGIFDecodeOptions& Options = {}) {
  return DecodeGIF(Data.data(), Data.size(), Options);
}

// Codes packed least significant bit first, the way GIF stores them.
struct TBitPacker {
  std::vector<std::uint8_t> Bytes;
  unsigned Acc = 0;
  int Bits = 0;
  void Put(unsigned Code, int Size) {
    Acc |= Code << Bits;
    Bits += Size;
    while (Bits >= 8) {
      Bytes.push_back(static_cast<std::uint8_t>(Acc));
      Acc >>= 8;
      Bits -= 8;
    }
  }
  std::vector<std::uint8_t> Finish() {
    if (Bits > 0) Bytes.push_back(static_cast<std::uint8_t>(Acc));
    return Bytes;
  }
};

// The offset of the first image data (minimum code size byte) in a file
// written by our writer with a global table of 2^Depth entries.
std::size_t ImageDataOffset(const std::vector<std::uint8_t>& File) {
  std::size_t Pos = 13 + (File[10] & 0x80 ? 3u << ((File[10] & 7) + 1) : 0);
  while (File[Pos] == 0x21) {
    Pos += 2;
    while (File[Pos] != 0) Pos += File[Pos] + 1u;
    ++Pos;
  }
  EXPECT_EQ(File[Pos], 0x2C);
  Pos += 10;
  if (File[Pos - 1] & 0x80) Pos += 3u << ((File[Pos - 1] & 7) + 1);
  return Pos;
}

}  // namespace

TEST(GIFLzw, RoundTripsEveryCodeSize) {
  std::mt19937 Rng(7);
  for (int MinCodeSize = 2; MinCodeSize <= 8; ++MinCodeSize) {
    for (std::size_t Count : {std::size_t{1}, std::size_t{2}, std::size_t{5000}, std::size_t{200000}}) {
      std::vector<std::uint8_t> In(Count);
      // Runs and noise mixed, so both long strings and a full table occur.
      for (std::size_t i = 0; i < Count; ++i)
        In[i] = static_cast<std::uint8_t>((i / 97) % 3 == 0 ? (i / 13) : Rng()) & ((1u << MinCodeSize) - 1);
      std::vector<std::uint8_t> Codes;
      LzwEncode(In.data(), In.size(), MinCodeSize, Codes);
      std::vector<std::uint8_t> Out(Count);
      const TLzwDecodeResult R = LzwDecode(Codes.data(), Codes.size(), MinCodeSize, Out.data(), Out.size());
      EXPECT_EQ(R.End, TLzwEnd::EndCode) << MinCodeSize << " " << Count;
      EXPECT_EQ(R.Written, Count);
      EXPECT_EQ(Out, In) << MinCodeSize << " " << Count;
    }
  }
}

TEST(GIFLzw, ReadsOnWithAFullTableUntilTheNextClear) {
  // Literal codes only, never a clear: the table fills at 4096 entries and
  // the codes stay 12 bits wide.
  const int MinCodeSize = 8;
  TBitPacker P;
  int Size = 9;
  P.Put(256, Size);
  std::vector<std::uint8_t> Expected;
  for (int k = 1; k <= 6000; ++k) {
    const unsigned Literal = static_cast<unsigned>(k * 31) & 0xFF;
    P.Put(Literal, Size);
    Expected.push_back(static_cast<std::uint8_t>(Literal));
    const int Next = 258 + k - 1;  // the reader's next free code after this one
    if (k >= 2 && Next == (1 << Size) && Size < 12) ++Size;
  }
  P.Put(256, Size);
  P.Put(65, 9);
  Expected.push_back(65);
  P.Put(257, 9);
  const std::vector<std::uint8_t> Codes = P.Finish();
  std::vector<std::uint8_t> Out(Expected.size());
  const TLzwDecodeResult R = LzwDecode(Codes.data(), Codes.size(), MinCodeSize, Out.data(), Out.size());
  EXPECT_EQ(R.Written, Expected.size());
  EXPECT_EQ(Out, Expected);
}

TEST(GIFLzw, StopsAtBadCodesAndMissingData) {
  struct TCase {
    const char* Name;
    std::vector<std::pair<unsigned, int>> Codes;
    TLzwEnd End;
    std::size_t Written;
  };
  const std::vector<TCase> Cases = {
      {"string code right after clear", {{4, 3}, {7, 3}}, TLzwEnd::BadCode, 0},
      {"code beyond the table", {{4, 3}, {1, 3}, {7, 3}}, TLzwEnd::BadCode, 1},
      {"no end code", {{4, 3}, {1, 3}}, TLzwEnd::EndOfData, 1},
      {"end code", {{4, 3}, {1, 3}, {5, 3}, {2, 3}}, TLzwEnd::EndCode, 1},
      {"previous string plus its first byte", {{4, 3}, {1, 3}, {6, 3}, {5, 3}}, TLzwEnd::EndCode, 3},
  };
  for (const TCase& C : Cases) {
    TBitPacker P;
    for (auto [Code, Size] : C.Codes) P.Put(Code, Size);
    const std::vector<std::uint8_t> Codes = P.Finish();
    std::vector<std::uint8_t> Out(100, 0xEE);
    const TLzwDecodeResult R = LzwDecode(Codes.data(), Codes.size(), 2, Out.data(), Out.size());
    EXPECT_EQ(R.End, C.End) << C.Name;
    EXPECT_EQ(R.Written, C.Written) << C.Name;
    EXPECT_EQ(Out[R.Written], 0xEE) << C.Name;
  }
}

TEST(GIFWriter, RoundTripKeepsSizesColoursAndRows) {
  struct TCase {
    int Width, Height, Colors;
    bool Interlaced;
  };
  const TCase Cases[] = {{1, 1, 1, false},   {3, 2, 2, true},     {17, 9, 3, false},  {17, 9, 3, true},
                         {64, 33, 16, true}, {100, 37, 200, false}, {97, 61, 256, true}, {301, 7, 256, false}};
  for (const TCase& C : Cases) {
    const TGIFPixels In =
        MakePixels(C.Width, C.Height, [&](int X, int Y) { return TestColor((X * 7 + Y * 13) % C.Colors); });
    std::vector<std::uint8_t> Data;
    ASSERT_TRUE(EncodeBitmapAsGIF(In, C.Interlaced, clBlack, false, Data));
    const TGIFPicture P = Decode(Data);
    ASSERT_EQ(P.Status, TGIFStatus::Ok);
    ASSERT_EQ(P.Frames.size(), 1u);
    const TGIFFrame& F = P.Frames[0];
    EXPECT_EQ(P.Width, C.Width);
    EXPECT_EQ(P.Height, C.Height);
    EXPECT_EQ(F.Interlaced, C.Interlaced);
    EXPECT_TRUE(P.Version89a);
    int Mismatches = 0;
    for (int Y = 0; Y < C.Height; ++Y)
      for (int X = 0; X < C.Width; ++X) Mismatches += FrameColor(F, X, Y) != (In.Row(Y)[X] & 0xFFFFFF);
    EXPECT_EQ(Mismatches, 0) << C.Width << "x" << C.Height << " " << C.Colors;
  }
}

TEST(GIFWriter, ColourTableInFirstSeenOrderWithSmallestDepth) {
  // Rows 0..3 carry colours 10, 11, 12, 13; interlaced rows are stored as
  // 0, 2, 1, 3 for a four-row picture.
  const TGIFPixels In = MakePixels(2, 4, [](int, int Y) { return TestColor(10 + Y); });
  for (bool Interlaced : {false, true}) {
    std::vector<std::uint8_t> Data;
    ASSERT_TRUE(EncodeBitmapAsGIF(In, Interlaced, clBlack, false, Data));
    ASSERT_EQ(Data[10] & 0x87, 0x81) << "global table of 2 bits";
    const int Order[2][4] = {{10, 11, 12, 13}, {10, 12, 11, 13}};
    for (int i = 0; i < 4; ++i) {
      const std::uint32_t C = TestColor(Order[Interlaced][i]);
      EXPECT_EQ(Data[13 + 3 * i], (C >> 16) & 0xFF);
      EXPECT_EQ(Data[14 + 3 * i], (C >> 8) & 0xFF);
      EXPECT_EQ(Data[15 + 3 * i], C & 0xFF);
    }
  }
  const std::pair<int, int> Depths[] = {{1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {16, 4}, {17, 5}, {129, 8}, {256, 8}};
  for (auto [Colors, Depth] : Depths) {
    const TGIFPixels P = MakePixels(Colors, 1, [](int X, int) { return TestColor(X); });
    std::vector<std::uint8_t> Data;
    ASSERT_TRUE(EncodeBitmapAsGIF(P, false, clBlack, false, Data));
    EXPECT_EQ((Data[10] & 7) + 1, Depth) << Colors;
    EXPECT_EQ(Data[ImageDataOffset(Data)], std::max(2, Depth)) << "minimum code size";
  }
}

TEST(GIFWriter, FileLayout) {
  const TGIFPixels In = MakePixels(300, 200, [](int X, int Y) { return TestColor((X ^ Y) & 0xFF); });
  std::vector<std::uint8_t> Data;
  ASSERT_TRUE(EncodeBitmapAsGIF(In, false, clBlack, false, Data));
  EXPECT_EQ(std::string(Data.begin(), Data.begin() + 6), "GIF89a");
  EXPECT_EQ(Data[6] | Data[7] << 8, 300);
  EXPECT_EQ(Data[8] | Data[9] << 8, 200);
  // Graphic control extension directly after the 256-entry global table.
  const std::size_t Control = 13 + 768;
  EXPECT_EQ(Data[Control], 0x21);
  EXPECT_EQ(Data[Control + 1], 0xF9);
  EXPECT_EQ(Data[Control + 2], 4);
  EXPECT_EQ(Data[Control + 3], 0) << "no transparency asked for";
  // Sub-blocks of at most 255 bytes up to the terminator, then the credit
  // comment and the trailer.
  std::size_t Pos = ImageDataOffset(Data) + 1;
  int Blocks = 0;
  while (Data[Pos] != 0) {
    Pos += Data[Pos] + 1u;
    ++Blocks;
  }
  EXPECT_GT(Blocks, 1);
  ++Pos;
  EXPECT_EQ(Data[Pos], 0x21);
  EXPECT_EQ(Data[Pos + 1], 0xFE);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&Data[Pos + 3]), Data[Pos + 2]), kGIFCredit);
  EXPECT_EQ(Data.back(), 0x3B);
}

TEST(GIFWriter, TransparentColourOnlyWhenAskedAndPresent) {
  const TGIFPixels In = MakePixels(4, 4, [](int X, int) { return X < 2 ? 0x0000FF : 0x00FF00; });
  struct TCase {
    TColor Color;
    bool Transparent;
    bool Expected;
    int Index;
  };
  const TCase Cases[] = {{clLime, true, true, 1}, {clBlue, true, true, 0}, {clRed, true, false, 0},
                         {clLime, false, false, 0}};
  for (const TCase& C : Cases) {
    std::vector<std::uint8_t> Data;
    ASSERT_TRUE(EncodeBitmapAsGIF(In, false, C.Color, C.Transparent, Data));
    const TGIFPicture P = Decode(Data);
    ASSERT_EQ(P.Frames.size(), 1u);
    EXPECT_EQ(P.Frames[0].Transparent, C.Expected);
    EXPECT_EQ(P.Frames[0].TransparentIndex, C.Index);
  }
}

TEST(GIFWriter, TooManyColoursFailAndWriteNothing) {
  const TGIFPixels In = MakePixels(257, 3, [](int X, int) { return TestColor(X); });
  std::vector<std::uint8_t> Data = {1, 2, 3};
  EXPECT_FALSE(EncodeBitmapAsGIF(In, false, clBlack, false, Data));
  EXPECT_TRUE(Data.empty());
  EXPECT_FALSE(EncodeBitmapAsGIF(TGIFPixels(), false, clBlack, false, Data)) << "no pixels";

  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / ("gif_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(Dir);
  const std::string Missing = (Dir / "new.gif").string();
  EXPECT_FALSE(SaveBitmapAsGIF(Missing, In, false, clBlack, false));
  EXPECT_FALSE(std::filesystem::exists(Missing));

  const std::string Existing = (Dir / "old.gif").string();
  std::ofstream(Existing) << "old";
  EXPECT_FALSE(SaveBitmapAsGIF(Existing, In, false, clBlack, false));
  EXPECT_EQ(std::filesystem::file_size(Existing), 3u);
  const TGIFPixels Small = MakePixels(256, 1, [](int X, int) { return TestColor(X); });
  EXPECT_TRUE(SaveBitmapAsGIF(Existing, Small, false, clBlack, false));
  EXPECT_GT(std::filesystem::file_size(Existing), 768u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir), {}), 1) << "no temporary file left";
  std::filesystem::remove_all(Dir);
}

TEST(GIFWriter, AFileThatCannotBeWrittenFailsWithoutLeavingATemporaryFile) {
  const std::vector<std::uint8_t> Data = {'G', 'I', 'F'};
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / ("gif_fail_" + std::to_string(::getpid()));
  std::filesystem::create_directories(Dir / "Bild.gif");  // a folder where the file should go
  for (const std::string& Target : {(Dir / "Bild.gif").string(), (Dir / "fehlt" / "Bild.gif").string(),
                                    std::string("/proc/velotra_bild.gif"), std::string("/proc/version")}) {
    SCOPED_TRACE(Target);
    EXPECT_FALSE(WriteFileAtomically(Target, Data));
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir), {}), 1) << "no temporary file left";
  EXPECT_TRUE(std::filesystem::is_empty(Dir / "Bild.gif"));
  EXPECT_TRUE(WriteFileAtomically((Dir / "neu.gif").string(), Data));
  EXPECT_EQ(std::filesystem::file_size(Dir / "neu.gif"), 3u);
  std::filesystem::remove_all(Dir);
}

TEST(GIFWriter, AnimationsShareOrCarryTables) {
  const TGIFPixels A = SolidPixels(4, 3, 0xFF0000);
  const TGIFPixels B = SolidPixels(2, 2, 0x00FF00);
  const auto Shared = EncodeFrames({Frame(A, 0, 0, 120, 1), Frame(A, 1, 1, 7, 3)}, true, 3);
  const TGIFPicture S = Decode(Shared);
  ASSERT_EQ(S.Frames.size(), 2u);
  EXPECT_EQ(S.GlobalDepth, 1);
  EXPECT_EQ(S.Frames[1].ColorDepth, 0);
  EXPECT_EQ(S.Frames[0].Delay, 120);
  EXPECT_EQ(S.Frames[1].Delay, 0) << "stored in hundredths";
  EXPECT_EQ(S.Frames[1].Disposal, 3);
  EXPECT_TRUE(S.HasLoopExtension);
  EXPECT_EQ(S.LoopCount, 3);
  EXPECT_EQ(S.Width, 5) << "largest frame extent";
  EXPECT_EQ(S.Height, 4);

  const auto Local = EncodeFrames({Frame(A), Frame(B, 2, 1)}, false);
  const TGIFPicture L = Decode(Local);
  ASSERT_EQ(L.Frames.size(), 2u);
  EXPECT_EQ(L.GlobalDepth, 0);
  EXPECT_EQ(L.Frames[0].ColorDepth, 1);
  EXPECT_EQ(FrameColor(L.Frames[1], 1, 1), 0x00FF00u);
  EXPECT_FALSE(L.HasLoopExtension);
  EXPECT_EQ(L.LoopCount, 1);
}

TEST(GIFDecoder, BlocksAndExtensions) {
  const TGIFPixels A = SolidPixels(2, 2, 0x123456);
  std::vector<std::uint8_t> Data = EncodeFrames({Frame(A, 0, 0, 50, 1), Frame(A, 6, 4)});
  // Insert before the first graphic control: a comment in two sub-blocks, a
  // plain text block, an unknown extension and a stray byte.
  const std::size_t At = 13 + 6 + 19;  // header, 2-entry table, loop extension
  ASSERT_EQ(Data[At + 1], 0xF9);
  const std::vector<std::uint8_t> Extra = {0x21, 0xFE, 2,   'h', 'i', 1, '!', 0,   0x21, 0x01, 3,    1, 2,
                                           3,    0,    0x21, 0x99, 1,   7, 0,   0x00, 0x21, 0xFF, 3, 'x', 'y', 'z', 0};
  Data.insert(Data.begin() + static_cast<std::ptrdiff_t>(At), Extra.begin(), Extra.end());
  // Disposal 5 in the graphic control counts as 2.
  Data[At + Extra.size() + 3] = 5 << 2;
  const TGIFPicture P = Decode(Data);
  EXPECT_EQ(P.Status, TGIFStatus::Ok);
  ASSERT_EQ(P.Frames.size(), 2u);
  EXPECT_EQ(P.Frames[0].Comment, "hi!");
  EXPECT_EQ(P.Frames[0].Disposal, 2);
  EXPECT_EQ(P.Frames[1].Comment, "");
  EXPECT_EQ(P.Frames[1].Delay, 0);
  EXPECT_EQ(P.LoopCount, 0);
  EXPECT_EQ(P.Width, 8);
  EXPECT_EQ(P.Height, 6);

  TGIFDecodeOptions First;
  First.FirstImageOnly = true;
  EXPECT_EQ(Decode(Data, First).Frames.size(), 1u);

  std::vector<std::uint8_t> Old = Data;
  Old[4] = '7';
  EXPECT_FALSE(Decode(Old).Version89a);
}

TEST(GIFDecoder, KeepsTheFirst256Images) {
  const TGIFPixels A = SolidPixels(1, 1, 0xFFFFFF);
  std::vector<TGIFWriteFrame> Frames(300, Frame(A));
  const TGIFPicture P = Decode(EncodeFrames(Frames));
  EXPECT_EQ(P.Status, TGIFStatus::Ok);
  EXPECT_EQ(P.Frames.size(), 256u);
}

TEST(GIFDecoder, ProgressCanStopLoading) {
  const TGIFPixels A = SolidPixels(3, 3, 0xFF);
  const auto Data = EncodeFrames({Frame(A), Frame(A), Frame(A)});
  std::vector<std::size_t> Seen;
  TGIFDecodeOptions Options;
  Options.Progress = [&](std::size_t Position, std::size_t Total) {
    EXPECT_EQ(Total, Data.size());
    Seen.push_back(Position);
    return Seen.size() < 4;
  };
  const TGIFPicture P = Decode(Data, Options);
  EXPECT_EQ(P.Status, TGIFStatus::Cancelled);
  EXPECT_TRUE(P.Succeeded());
  EXPECT_TRUE(std::is_sorted(Seen.begin(), Seen.end()));
  EXPECT_LT(P.Frames.size(), 3u);
}

TEST(GIFDecoder, MalformedInputEndsSafely) {
  const TGIFPixels A = MakePixels(40, 30, [](int X, int Y) { return TestColor(X * Y % 50); });
  const std::vector<std::uint8_t> Good = EncodeFrames({Frame(A), Frame(A, 5, 5)});
  // Any prefix of a good file: no crash, at most the frames it holds.
  for (std::size_t Length = 0; Length < Good.size(); ++Length) {
    const TGIFPicture P = DecodeGIF(Good.data(), Length);
    EXPECT_LE(P.Frames.size(), 2u);
    if (Length < 6) {
      EXPECT_EQ(P.Status, TGIFStatus::NotGIF);
    }
  }

  auto Descriptor = [](int Left, int Top, int Width, int Height) {
    return std::vector<std::uint8_t>{0x2C,
                                     static_cast<std::uint8_t>(Left),
                                     static_cast<std::uint8_t>(Left >> 8),
                                     static_cast<std::uint8_t>(Top),
                                     static_cast<std::uint8_t>(Top >> 8),
                                     static_cast<std::uint8_t>(Width),
                                     static_cast<std::uint8_t>(Width >> 8),
                                     static_cast<std::uint8_t>(Height),
                                     static_cast<std::uint8_t>(Height >> 8),
                                     0};
  };
  auto File = [](int Width, int Height, std::vector<std::vector<std::uint8_t>> Parts) {
    std::vector<std::uint8_t> F = {'G', 'I', 'F', '8', '9', 'a', static_cast<std::uint8_t>(Width),
                                   static_cast<std::uint8_t>(Width >> 8), static_cast<std::uint8_t>(Height),
                                   static_cast<std::uint8_t>(Height >> 8), 0, 0, 0};
    for (const auto& P : Parts) F.insert(F.end(), P.begin(), P.end());
    return F;
  };
  const std::vector<std::uint8_t> Pixels = {2, 2, 0x44, 0x01, 0};  // clear, 0, end
  std::vector<std::uint8_t> Comments;
  for (int i = 0; i < 20000; ++i) Comments.insert(Comments.end(), {0x21, 0xFE, 1, 'x', 0});

  struct TCase {
    const char* Name;
    std::vector<std::uint8_t> Data;
    TGIFStatus Status;
    std::size_t Frames;
    int Width, Height;
  };
  const std::vector<TCase> Cases = {
      {"not a GIF", {'P', 'N', 'G', '8', '9', 'a', 0, 0}, TGIFStatus::NotGIF, 0, 0, 0},
      {"screen only", File(4, 4, {}), TGIFStatus::Ok, 0, 4, 4},
      {"one pixel", File(1, 1, {Descriptor(0, 0, 1, 1), Pixels, {0x3B}}), TGIFStatus::Ok, 1, 1, 1},
      {"zero width", File(4, 4, {Descriptor(0, 0, 0, 4), Pixels}), TGIFStatus::BadFrame, 0, 4, 4},
      {"zero width after a frame", File(4, 4, {Descriptor(0, 0, 1, 1), Pixels, Descriptor(0, 0, 4, 0), Pixels}),
       TGIFStatus::BadFrame, 1, 4, 4},
      {"too wide", File(4, 4, {Descriptor(0, 0, 16385, 1), Pixels}), TGIFStatus::TooLarge, 0, 4, 4},
      {"too many pixels", File(4, 4, {Descriptor(0, 0, 16384, 16384), Pixels}), TGIFStatus::TooLarge, 0, 4, 4},
      {"huge screen descriptor", File(65535, 65535, {Descriptor(2, 3, 1, 1), Pixels}), TGIFStatus::Ok, 1, 3, 4},
      {"frame far outside the screen", File(4, 4, {Descriptor(60000, 60000, 4, 4), Pixels}), TGIFStatus::TooLarge,
       0, 4, 4},
      {"frame beside the screen", File(4, 4, {Descriptor(10, 0, 4, 4), Pixels}), TGIFStatus::Ok, 1, 14, 4},
      {"bad code size", File(4, 4, {Descriptor(0, 0, 1, 1), {12, 1, 0, 0}}), TGIFStatus::BadFrame, 0, 4, 4},
      {"bad codes", File(4, 4, {Descriptor(0, 0, 2, 2), {2, 1, 0xFF, 0}, {0x3B}}), TGIFStatus::Ok, 1, 4, 4},
      {"unterminated sub-blocks", File(4, 4, {Descriptor(0, 0, 2, 2), {2, 200, 1, 2}}), TGIFStatus::Truncated, 1,
       4, 4},
      {"endless comments", File(1, 1, {Comments, Descriptor(0, 0, 1, 1), Pixels}), TGIFStatus::Ok, 1, 1, 1},
      {"unterminated comment", File(1, 1, {{0x21, 0xFE, 100, 'x'}}), TGIFStatus::Truncated, 0, 1, 1},
      {"truncated colour table", {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0x87, 0, 0, 1, 2}, TGIFStatus::Truncated,
       0, 0, 0},
  };
  for (const TCase& C : Cases) {
    const TGIFPicture P = Decode(C.Data);
    EXPECT_EQ(P.Status, C.Status) << C.Name;
    EXPECT_EQ(P.Frames.size(), C.Frames) << C.Name;
    EXPECT_EQ(P.Width, C.Width) << C.Name;
    EXPECT_EQ(P.Height, C.Height) << C.Name;
    for (const TGIFFrame& F : P.Frames) {
      EXPECT_EQ(F.Indices.size(), static_cast<std::size_t>(F.Width) * static_cast<std::size_t>(F.Height)) << C.Name;
      EXPECT_LE(F.Left + F.Width, P.Width) << C.Name;
      EXPECT_LE(F.Top + F.Height, P.Height) << C.Name;
    }
  }
}

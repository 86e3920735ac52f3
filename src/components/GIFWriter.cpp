#include "components/GIFWriter.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "common/Colors.h"
#include "components/GIFLzw.h"

const char* const kGIFCredit = "Erstellt mit Velotra";

namespace {

struct TIndexedFrame {
  std::vector<std::uint32_t> Colors;  // 0xRRGGBB in first-seen order
  std::vector<std::uint8_t> Indices;  // in the order the rows are stored
  int Depth = 1;
  int TransparentIndex = -1;
};

// Exact colour -> index map for at most 256 colours: open addressing in
// 4096 slots, each holding colour + 1 (0 = empty).
class TColorIndex {
 public:
  TColorIndex() { FKeys.fill(0); }
  // The index of Color, adding it when new; -1 when a 257th colour comes.
  int Find(std::uint32_t Color, std::vector<std::uint32_t>& Colors) {
    const std::uint32_t Key = Color + 1;
    std::uint32_t H = Color ^ (Color >> 13);
    H = (H * 0x9E3779B1u) >> (32 - kBits);
    for (;;) {
      if (FKeys[H] == Key) return FValues[H];
      if (FKeys[H] == 0) break;
      H = (H + 1) & (kSlots - 1);
    }
    if (Colors.size() >= 256) return -1;
    FKeys[H] = Key;
    FValues[H] = static_cast<std::uint8_t>(Colors.size());
    Colors.push_back(Color);
    return FValues[H];
  }

 private:
  static constexpr unsigned kBits = 12;
  static constexpr unsigned kSlots = 1u << kBits;
  std::array<std::uint32_t, kSlots> FKeys;
  std::array<std::uint8_t, kSlots> FValues{};
};

// Stored row order: top to bottom, or the four interlace passes.
std::vector<int> RowOrder(int Height, bool Interlaced) {
  std::vector<int> Rows;
  Rows.reserve(static_cast<std::size_t>(Height));
  if (!Interlaced) {
    for (int Y = 0; Y < Height; ++Y) Rows.push_back(Y);
    return Rows;
  }
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  for (int Pass = 0; Pass < 4; ++Pass)
    for (int Y = kStart[Pass]; Y < Height; Y += kStep[Pass]) Rows.push_back(Y);
  return Rows;
}

bool IndexFrame(const TGIFWriteFrame& Frame, TIndexedFrame& Out) {
  const TGIFPixels& P = *Frame.Picture;
  const int Width = P.Width;  // a local: the byte stores below could alias a member
  Out.Indices.resize(static_cast<std::size_t>(Width) * static_cast<std::size_t>(P.Height));
  std::uint8_t* O = Out.Indices.data();
  TColorIndex Map;
  std::uint32_t LastColor = 0xFFFFFFFFu;
  std::uint8_t LastIndex = 0;
  for (int Y : RowOrder(P.Height, Frame.Interlaced)) {
    const std::uint32_t* Row = P.Row(Y);
    for (int X = 0; X < Width; ++X) {
      const std::uint32_t Color = Row[X] & 0xFFFFFFu;
      if (Color != LastColor) {
        const int Index = Map.Find(Color, Out.Colors);
        if (Index < 0) return false;
        LastColor = Color;
        LastIndex = static_cast<std::uint8_t>(Index);
      }
      O[X] = LastIndex;
    }
    O += Width;
  }
  Out.Depth = 1;
  while ((std::size_t{1} << Out.Depth) < Out.Colors.size()) ++Out.Depth;
  if (Frame.Transparent) {
    const auto It = std::find(Out.Colors.begin(), Out.Colors.end(), Frame.TransparentColor & 0xFFFFFFu);
    if (It != Out.Colors.end()) Out.TransparentIndex = static_cast<int>(It - Out.Colors.begin());
  }
  return true;
}

void Put16(std::vector<std::uint8_t>& Out, int V) {
  Out.push_back(static_cast<std::uint8_t>(V & 0xFF));
  Out.push_back(static_cast<std::uint8_t>((V >> 8) & 0xFF));
}

void PutColorTable(std::vector<std::uint8_t>& Out, const std::vector<std::uint32_t>& Colors, int Depth) {
  const std::size_t Entries = std::size_t{1} << Depth;
  for (std::size_t i = 0; i < Entries; ++i) {
    const std::uint32_t C = i < Colors.size() ? Colors[i] : 0;
    Out.push_back(static_cast<std::uint8_t>(C >> 16));
    Out.push_back(static_cast<std::uint8_t>(C >> 8));
    Out.push_back(static_cast<std::uint8_t>(C));
  }
}

void PutSubBlocks(std::vector<std::uint8_t>& Out, const std::uint8_t* Data, std::size_t Size) {
  Out.reserve(Out.size() + Size + Size / 255 + 2);
  while (Size > 0) {
    const std::size_t N = std::min<std::size_t>(Size, 255);
    Out.push_back(static_cast<std::uint8_t>(N));
    Out.insert(Out.end(), Data, Data + N);
    Data += N;
    Size -= N;
  }
  Out.push_back(0);
}

}  // namespace

bool EncodeGIF(const std::vector<TGIFWriteFrame>& Frames, const TGIFWriteOptions& Options,
               std::vector<std::uint8_t>& Out) {
  Out.clear();
  if (Frames.empty()) return false;
  std::vector<TIndexedFrame> Indexed(Frames.size());
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  for (std::size_t i = 0; i < Frames.size(); ++i) {
    const TGIFWriteFrame& F = Frames[i];
    if (F.Picture == nullptr || F.Picture->Width <= 0 || F.Picture->Height <= 0) return false;
    if (F.Left < 0 || F.Top < 0 || F.Left + F.Picture->Width > 65535 || F.Top + F.Picture->Height > 65535) {
      return false;
    }
    if (!IndexFrame(F, Indexed[i])) return false;
    ScreenWidth = std::max(ScreenWidth, F.Left + F.Picture->Width);
    ScreenHeight = std::max(ScreenHeight, F.Top + F.Picture->Height);
  }
  const bool Shared = std::all_of(Indexed.begin(), Indexed.end(),
                                  [&](const TIndexedFrame& F) { return F.Colors == Indexed.front().Colors; });

  std::vector<std::uint8_t> File;
  const char Header[] = "GIF89a";
  File.insert(File.end(), Header, Header + 6);
  Put16(File, ScreenWidth);
  Put16(File, ScreenHeight);
  if (Shared) {
    const int Depth = Indexed.front().Depth;
    File.push_back(static_cast<std::uint8_t>(0x80 | ((Depth - 1) << 4) | (Depth - 1)));
  } else {
    File.push_back(0x70);  // eight bits of colour resolution, no global table
  }
  File.push_back(0);  // background colour index
  File.push_back(0);  // no aspect ratio
  if (Shared) PutColorTable(File, Indexed.front().Colors, Indexed.front().Depth);

  if (Frames.size() > 1 && Options.LoopExtension) {
    const char Id[] = "NETSCAPE2.0";
    File.insert(File.end(), {0x21, 0xFF, 11});
    File.insert(File.end(), Id, Id + 11);
    File.insert(File.end(), {3, 1});
    Put16(File, std::clamp(Options.LoopCount, 0, 65535));
    File.push_back(0);
  }

  std::vector<std::uint8_t> Codes;
  for (std::size_t i = 0; i < Frames.size(); ++i) {
    const TGIFWriteFrame& F = Frames[i];
    const TIndexedFrame& I = Indexed[i];
    const bool Transparent = F.Transparent && I.TransparentIndex >= 0;
    File.insert(File.end(), {0x21, 0xF9, 4});
    File.push_back(static_cast<std::uint8_t>(((F.Disposal & 7) << 2) | (Transparent ? 1 : 0)));
    Put16(File, std::clamp(F.Delay / 10, 0, 65535));
    File.push_back(static_cast<std::uint8_t>(Transparent ? I.TransparentIndex : 0));
    File.push_back(0);

    File.push_back(0x2C);
    Put16(File, F.Left);
    Put16(File, F.Top);
    Put16(File, F.Picture->Width);
    Put16(File, F.Picture->Height);
    File.push_back(static_cast<std::uint8_t>((Shared ? 0 : 0x80 | (I.Depth - 1)) | (F.Interlaced ? 0x40 : 0)));
    if (!Shared) PutColorTable(File, I.Colors, I.Depth);

    const int MinCodeSize = std::max(2, I.Depth);
    File.push_back(static_cast<std::uint8_t>(MinCodeSize));
    Codes.clear();
    LzwEncode(I.Indices.data(), I.Indices.size(), MinCodeSize, Codes);
    PutSubBlocks(File, Codes.data(), Codes.size());
  }

  const std::string Credit = kGIFCredit;
  File.insert(File.end(), {0x21, 0xFE});
  PutSubBlocks(File, reinterpret_cast<const std::uint8_t*>(Credit.data()), Credit.size());
  File.push_back(0x3B);
  Out.swap(File);
  return true;
}

bool EncodeBitmapAsGIF(const TGIFPixels& Bitmap, bool Interlaced, TColor TransparentColor, bool Transparent,
                       std::vector<std::uint8_t>& Out) {
  TGIFWriteFrame Frame;
  Frame.Picture = &Bitmap;
  Frame.Interlaced = Interlaced;
  Frame.Transparent = Transparent;
  const TColor C = ColorToRGB(TransparentColor);
  Frame.TransparentColor = (static_cast<std::uint32_t>(GetRValue(C)) << 16) |
                           (static_cast<std::uint32_t>(GetGValue(C)) << 8) | static_cast<std::uint32_t>(GetBValue(C));
  return EncodeGIF({Frame}, TGIFWriteOptions{}, Out);
}

bool WriteFileAtomically(const std::string& FileName, const std::vector<std::uint8_t>& Data) {
  namespace fs = std::filesystem;
  std::random_device Random;
  const std::string Temp = FileName + ".~" + std::to_string(Random() & 0xFFFFFF) + ".tmp";
  {
    std::ofstream File(Temp, std::ios::binary | std::ios::trunc);
    if (!File) return false;
    File.write(reinterpret_cast<const char*>(Data.data()), static_cast<std::streamsize>(Data.size()));
    File.close();
    if (!File) {
      std::error_code Ignored;
      fs::remove(Temp, Ignored);
      return false;
    }
  }
  std::error_code Error;
  fs::rename(Temp, FileName, Error);
  if (Error) {
    std::error_code Ignored;
    fs::remove(Temp, Ignored);
    return false;
  }
  return true;
}

bool SaveBitmapAsGIF(const std::string& FileName, const TGIFPixels& Bitmap, bool Interlaced,
                     TColor TransparentColor, bool Transparent) {
  std::vector<std::uint8_t> Data;
  if (!EncodeBitmapAsGIF(Bitmap, Interlaced, TransparentColor, Transparent, Data)) return false;
  return WriteFileAtomically(FileName, Data);
}

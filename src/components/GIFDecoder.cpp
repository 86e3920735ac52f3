#include "components/GIFDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "components/GIFLzw.h"

namespace {

constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kCommentLabel = 0xFE;
constexpr std::uint8_t kApplicationLabel = 0xFF;

enum class TBlockResult { Done, Truncated };

class TGIFReader {
 public:
  TGIFReader(const std::uint8_t* Data, std::size_t Size, const TGIFDecodeOptions& Options)
      : FData(Data), FSize(Size), FOptions(Options) {}

  TGIFPicture Read();

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
  const TGIFDecodeOptions& FOptions;
  std::size_t FPos = 0;
  TGIFPicture FPicture;
  std::optional<std::array<std::uint8_t, 4>> FPendingControl;
  std::string FPendingComment;
  std::size_t FDecodedPixels = 0;
  int FExtentWidth = 0;  // right and bottom edge of all frames so far
  int FExtentHeight = 0;
  std::vector<std::uint8_t> FCodes;  // one frame's sub-blocks joined

  std::size_t Left() const { return FSize - FPos; }
  unsigned U16(std::size_t At) const { return FData[At] | (FData[At + 1] << 8); }
  bool ReadColorTable(int Depth, TGIFPalette& Palette);
  bool SkipSubBlocks();
  bool ReadGraphicControl();
  bool ReadComment();
  bool ReadApplication();
  // Joins the image's sub-blocks into FCodes; false when the data end first.
  bool GatherCodes();
  TGIFStatus ReadFrame();
};

bool TGIFReader::ReadColorTable(int Depth, TGIFPalette& Palette) {
  const std::size_t Entries = std::size_t{1} << Depth;
  if (Left() < Entries * 3) return false;
  Palette.fill(0xFF000000u);
  const std::uint8_t* P = FData + FPos;
  for (std::size_t i = 0; i < Entries; ++i, P += 3) {
    Palette[i] = 0xFF000000u | (std::uint32_t{P[0]} << 16) | (std::uint32_t{P[1]} << 8) | P[2];
  }
  FPos += Entries * 3;
  return true;
}

bool TGIFReader::SkipSubBlocks() {
  while (FPos < FSize) {
    const std::size_t N = FData[FPos++];
    if (N == 0) return true;
    if (Left() < N) {
      FPos = FSize;
      return false;
    }
    FPos += N;
  }
  return false;
}

bool TGIFReader::ReadGraphicControl() {
  if (Left() < 1) return false;
  const std::size_t N = FData[FPos];
  if (N >= 4 && Left() >= 1 + N) {
    std::array<std::uint8_t, 4> Control;
    std::memcpy(Control.data(), FData + FPos + 1, 4);
    FPendingControl = Control;
  }
  return SkipSubBlocks();
}

bool TGIFReader::ReadComment() {
  while (FPos < FSize) {
    const std::size_t N = FData[FPos++];
    if (N == 0) return true;
    const std::size_t Take = std::min(N, Left());
    FPendingComment.append(reinterpret_cast<const char*>(FData + FPos), Take);
    FPos += Take;
    if (Take < N) return false;
  }
  return false;
}

bool TGIFReader::ReadApplication() {
  static constexpr char kLoopId[] = "NETSCAPE2.0";
  if (Left() >= 12 && FData[FPos] == 11 && std::memcmp(FData + FPos + 1, kLoopId, 11) == 0) {
    FPos += 12;
    if (Left() >= 4 && FData[FPos] >= 3) {
      FPicture.LoopCount = static_cast<int>(U16(FPos + 2));
      FPicture.HasLoopExtension = true;
    }
  }
  return SkipSubBlocks();
}

bool TGIFReader::GatherCodes() {
  FCodes.clear();
  while (FPos < FSize) {
    const std::size_t N = FData[FPos++];
    if (N == 0) return true;
    const std::size_t Take = std::min(N, Left());
    FCodes.insert(FCodes.end(), FData + FPos, FData + FPos + Take);
    FPos += Take;
    if (Take < N) return false;
  }
  return false;
}

// Rows of an interlaced image arrive as every 8th row from 0, every 8th from
// 4, every 4th from 2 and every 2nd from 1.
void Deinterlace(std::vector<std::uint8_t>& Indices, int Width, int Height) {
  std::vector<std::uint8_t> Linear(Indices.size());
  const std::size_t W = static_cast<std::size_t>(Width);
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  std::size_t Source = 0;
  for (int Pass = 0; Pass < 4; ++Pass) {
    for (int Y = kStart[Pass]; Y < Height; Y += kStep[Pass], ++Source) {
      std::memcpy(Linear.data() + static_cast<std::size_t>(Y) * W, Indices.data() + Source * W, W);
    }
  }
  Indices.swap(Linear);
}

TGIFStatus TGIFReader::ReadFrame() {
  if (Left() < 10) return TGIFStatus::Truncated;
  const std::size_t At = FPos;
  TGIFFrame Frame;
  Frame.Left = static_cast<int>(U16(At + 1));
  Frame.Top = static_cast<int>(U16(At + 3));
  Frame.Width = static_cast<int>(U16(At + 5));
  Frame.Height = static_cast<int>(U16(At + 7));
  const std::uint8_t Packed = FData[At + 9];
  FPos += 10;
  if (Frame.Width == 0 || Frame.Height == 0) return TGIFStatus::BadFrame;
  if (Frame.Width > kGIFMaxFrameSide || Frame.Height > kGIFMaxFrameSide) return TGIFStatus::TooLarge;
  const std::size_t Pixels = static_cast<std::size_t>(Frame.Width) * static_cast<std::size_t>(Frame.Height);
  const int ExtentWidth = std::max(FExtentWidth, Frame.Left + Frame.Width);
  const int ExtentHeight = std::max(FExtentHeight, Frame.Top + Frame.Height);
  if (FDecodedPixels + Pixels > kGIFMaxDecodedPixels ||
      static_cast<std::size_t>(ExtentWidth) * static_cast<std::size_t>(ExtentHeight) > kGIFMaxScreenPixels) {
    return TGIFStatus::TooLarge;
  }

  if (Packed & 0x80) {
    Frame.ColorDepth = (Packed & 7) + 1;
    if (!ReadColorTable(Frame.ColorDepth, Frame.Palette)) return TGIFStatus::Truncated;
  } else {
    Frame.Palette = FPicture.GlobalPalette;
  }
  Frame.Interlaced = (Packed & 0x40) != 0;
  if (FPendingControl) {
    const auto& C = *FPendingControl;
    const int Disposal = (C[0] & 28) >> 2;
    Frame.Disposal = (Disposal == 0 || Disposal == 1 || Disposal == 3) ? Disposal : 2;
    Frame.Transparent = (C[0] & 1) != 0;
    Frame.Delay = 10 * static_cast<int>(C[1] | (C[2] << 8));
    Frame.TransparentIndex = C[3];
  }

  if (Left() < 1) return TGIFStatus::Truncated;
  const int MinCodeSize = FData[FPos++];
  if (MinCodeSize < 1 || MinCodeSize > 8) return TGIFStatus::BadFrame;
  const bool Complete = GatherCodes();

  // Pixels the codes do not reach stay transparent, or colour 0.
  Frame.Indices.assign(Pixels, Frame.Transparent ? static_cast<std::uint8_t>(Frame.TransparentIndex) : 0);
  LzwDecode(FCodes.data(), FCodes.size(), MinCodeSize, Frame.Indices.data(), Pixels);
  if (Frame.Interlaced) Deinterlace(Frame.Indices, Frame.Width, Frame.Height);

  Frame.Comment = std::move(FPendingComment);
  FPendingComment.clear();
  FPendingControl.reset();
  FPicture.BitDepth = std::max(FPicture.BitDepth, Frame.ColorDepth);
  FPicture.Transparent = FPicture.Transparent || Frame.Transparent;
  FPicture.Interlaced = FPicture.Interlaced || Frame.Interlaced;
  FDecodedPixels += Pixels;
  FExtentWidth = ExtentWidth;
  FExtentHeight = ExtentHeight;
  FPicture.Frames.push_back(std::move(Frame));
  return Complete ? TGIFStatus::Ok : TGIFStatus::Truncated;
}

TGIFPicture TGIFReader::Read() {
  FPicture.GlobalPalette.fill(0xFF000000u);
  if (FSize < 6 || std::memcmp(FData, "GIF", 3) != 0) {
    FPicture.Status = TGIFStatus::NotGIF;
    return std::move(FPicture);
  }
  FPicture.Version89a = FData[4] == '9';
  FPos = 6;
  if (Left() < 7) {
    FPicture.Status = TGIFStatus::Truncated;
    return std::move(FPicture);
  }
  const int ScreenWidth = static_cast<int>(U16(6));
  const int ScreenHeight = static_cast<int>(U16(8));
  const std::uint8_t Packed = FData[10];
  FPos = 13;
  if (Packed & 0x80) {
    FPicture.GlobalDepth = (Packed & 7) + 1;
    FPicture.BitDepth = FPicture.GlobalDepth;
    if (!ReadColorTable(FPicture.GlobalDepth, FPicture.GlobalPalette)) {
      FPicture.Status = TGIFStatus::Truncated;
      return std::move(FPicture);
    }
  }

  TGIFStatus Status = TGIFStatus::Ok;
  while (Status == TGIFStatus::Ok) {
    if (FOptions.Progress && !FOptions.Progress(FPos, FSize)) {
      Status = TGIFStatus::Cancelled;
      break;
    }
    if (Left() < 2) break;
    const std::uint8_t Kind = FData[FPos];
    if (Kind == kImageSeparator) {
      if (static_cast<int>(FPicture.Frames.size()) >= kGIFMaxFrames) break;
      Status = ReadFrame();
      if (FOptions.FirstImageOnly && !FPicture.Frames.empty()) break;
    } else if (Kind == kTrailer) {
      break;
    } else if (Kind == kExtensionIntroducer) {
      const std::uint8_t Label = FData[FPos + 1];
      FPos += 2;
      bool Whole;
      switch (Label) {
        case kGraphicControlLabel: Whole = ReadGraphicControl(); break;
        case kCommentLabel: Whole = ReadComment(); break;
        case kApplicationLabel: Whole = ReadApplication(); break;
        default: Whole = SkipSubBlocks(); break;  // plain text and unknown extensions
      }
      if (!Whole) Status = TGIFStatus::Truncated;
    } else {
      ++FPos;  // stray byte between blocks
    }
  }
  FPicture.Status = Status;

  // The logical screen grows to hold every frame; a descriptor beyond the
  // limit is not trusted and the frames alone decide.
  const int Width = std::max(ScreenWidth, FExtentWidth);
  const int Height = std::max(ScreenHeight, FExtentHeight);
  if (static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height) <= kGIFMaxScreenPixels) {
    FPicture.Width = Width;
    FPicture.Height = Height;
  } else {
    FPicture.Width = FExtentWidth;
    FPicture.Height = FExtentHeight;
  }
  return std::move(FPicture);
}

}  // namespace

TGIFPicture DecodeGIF(const std::uint8_t* Data, std::size_t Size, const TGIFDecodeOptions& Options) {
  if (Data == nullptr) Size = 0;
  TGIFReader Reader(Size == 0 ? reinterpret_cast<const std::uint8_t*>("") : Data, Size, Options);
  return Reader.Read();
}

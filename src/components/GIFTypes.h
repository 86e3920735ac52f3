#pragma once
// Plain data of a GIF picture as the decoder delivers it and the composer and
// the control use it. No Qt: pixels are 32-bit 0xAARRGGBB values in memory
// order B, G, R, A (the layout of a premultiplied ARGB32 image), colour
// indices are bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A picture as rows of 32-bit pixels (0xAARRGGBB), top row first.
struct TGIFPixels {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // Width * Height values

  TGIFPixels() = default;
  TGIFPixels(int W, int H, std::uint32_t Fill = 0xFF000000u)
      : Width(W), Height(H), Pixels(static_cast<std::size_t>(W) * static_cast<std::size_t>(H), Fill) {}
  std::uint32_t* Row(int Y) { return Pixels.data() + static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width); }
  const std::uint32_t* Row(int Y) const {
    return Pixels.data() + static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width);
  }
};

// Always 256 entries: shorter tables are padded with opaque black, so every
// byte index is a valid lookup.
using TGIFPalette = std::array<std::uint32_t, 256>;

// Hard limits of the decoder. Anything beyond them is refused before memory
// is reserved for it.
constexpr int kGIFMaxFrames = 256;
constexpr int kGIFMaxFrameSide = 16384;
constexpr std::size_t kGIFMaxScreenPixels = std::size_t{16} << 20;       // composed picture
constexpr std::size_t kGIFMaxDecodedPixels = std::size_t{64} << 20;      // all frames together

struct TGIFFrame {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int ColorDepth = 0;  // bits of the local colour table, 0 when the global one is used
  int Delay = 0;       // milliseconds
  int Disposal = 0;    // 0 none, 1 keep, 2 restore to background, 3 restore to previous
  bool Interlaced = false;
  bool Transparent = false;
  int TransparentIndex = 0;
  std::string Comment;
  TGIFPalette Palette{};              // the table this frame is drawn with
  std::vector<std::uint8_t> Indices;  // Width * Height colour indices, rows top to bottom
};

enum class TGIFStatus {
  Ok,           // read up to the trailer or the end of the data
  NotGIF,       // no "GIF" signature: nothing loaded
  Truncated,    // the data end inside a header or a frame (frames so far are kept)
  BadFrame,     // a frame could not be decoded (zero size, bad code size)
  TooLarge,     // a frame or the picture exceeds the fixed limits (frames so far are kept)
  Cancelled,    // the progress callback asked to stop
};

struct TGIFPicture {
  TGIFStatus Status = TGIFStatus::NotGIF;
  bool Version89a = false;
  int Width = 0;   // logical screen, grown to every frame's extent
  int Height = 0;
  int BitDepth = 0;        // the larger of the global and every local table depth
  int GlobalDepth = 0;     // 0 without a global table
  TGIFPalette GlobalPalette{};
  int LoopCount = 1;       // from the application extension; 0 means endless
  bool HasLoopExtension = false;
  bool Transparent = false;  // some frame has a transparent index
  bool Interlaced = false;   // some frame is interlaced
  std::vector<TGIFFrame> Frames;

  // Loading counts as successful when it was not refused or broken off by
  // bad data; a limit or the progress callback may end it early.
  bool Succeeded() const {
    return Status == TGIFStatus::Ok || Status == TGIFStatus::TooLarge || Status == TGIFStatus::Cancelled;
  }
};

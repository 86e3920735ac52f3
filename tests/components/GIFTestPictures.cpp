#include "GIFTestPictures.h"

#include <gtest/gtest.h>

TGIFPixels MakePixels(int Width, int Height, const std::function<std::uint32_t(int, int)>& Color) {
  TGIFPixels P(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) P.Row(Y)[X] = 0xFF000000u | (Color(X, Y) & 0xFFFFFFu);
  return P;
}

TGIFPixels SolidPixels(int Width, int Height, std::uint32_t Color) {
  return MakePixels(Width, Height, [Color](int, int) { return Color; });
}

std::uint32_t TestColor(int N) {
  // Blue tells apart the first 256, green the groups of 256 after them.
  const std::uint32_t Red = static_cast<std::uint32_t>(N * 0x3B) & 0xFF;
  const std::uint32_t Green = static_cast<std::uint32_t>((N >> 8) * 0x55 + N * 7) & 0xFF;
  return Red << 16 | Green << 8 | (static_cast<std::uint32_t>(N) & 0xFF);
}

TGIFWriteFrame Frame(const TGIFPixels& Picture, int Left, int Top, int Delay, int Disposal) {
  TGIFWriteFrame F;
  F.Picture = &Picture;
  F.Left = Left;
  F.Top = Top;
  F.Delay = Delay;
  F.Disposal = Disposal;
  return F;
}

std::vector<std::uint8_t> EncodeFrames(const std::vector<TGIFWriteFrame>& Frames, bool LoopExtension,
                                       int LoopCount) {
  std::vector<std::uint8_t> Data;
  TGIFWriteOptions Options;
  Options.LoopExtension = LoopExtension;
  Options.LoopCount = LoopCount;
  EXPECT_TRUE(EncodeGIF(Frames, Options, Data));
  return Data;
}

std::uint32_t FrameColor(const TGIFFrame& Frame, int X, int Y) {
  const std::size_t I = static_cast<std::size_t>(Y) * static_cast<std::size_t>(Frame.Width) + static_cast<std::size_t>(X);
  return Frame.Palette[Frame.Indices[I]] & 0xFFFFFFu;
}

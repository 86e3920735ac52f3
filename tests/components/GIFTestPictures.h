#pragma once
// Small pictures and files for the GIF tests.
#include <cstdint>
#include <functional>
#include <vector>

#include "components/GIFTypes.h"
#include "components/GIFWriter.h"

// A picture whose pixel (x, y) is Color(x, y) (0xRRGGBB, made opaque).
TGIFPixels MakePixels(int Width, int Height, const std::function<std::uint32_t(int, int)>& Color);
TGIFPixels SolidPixels(int Width, int Height, std::uint32_t Color);
// The N-th of a set of clearly different colours.
std::uint32_t TestColor(int N);

// A frame of an animation to write; Picture is kept alive by the caller.
TGIFWriteFrame Frame(const TGIFPixels& Picture, int Left = 0, int Top = 0, int Delay = 0, int Disposal = 0);

std::vector<std::uint8_t> EncodeFrames(const std::vector<TGIFWriteFrame>& Frames, bool LoopExtension = true,
                                       int LoopCount = 0);

// Pixel (x, y) of a decoded frame as 0xRRGGBB.
std::uint32_t FrameColor(const TGIFFrame& Frame, int X, int Y);

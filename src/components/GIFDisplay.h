#pragma once
// Where a picture goes inside its control and how long an animation frame
// stays: the display rules shared by the GIF control and its tests.
#include "common/Types.h"

struct TGIFLayout {
  bool Stretch = false;
  bool StretchRatio = false;
  bool StretchBigOnly = false;
  bool Tile = false;
  bool Center = false;
};

struct TGIFPlacement {
  TRect Dest;          // the picture's rectangle; with Tiled the whole client area
  bool Scaled = false;
  bool Tiled = false;  // cells of the picture's size from the top-left corner
};

TGIFPlacement PlaceGIF(int PictureWidth, int PictureHeight, int ClientWidth, int ClientHeight,
                       const TGIFLayout& Layout);

// No frame shows for less than 50 ms at speed 100; Speed is a percentage
// (200 halves every time). The result is at least 1 ms.
constexpr int kGIFMinFrameTime = 50;
int GIFFrameTime(int DelayMs, int Speed);

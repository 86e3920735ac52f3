#include "components/GIFDisplay.h"

#include <algorithm>
#include <cmath>

TGIFPlacement PlaceGIF(int PictureWidth, int PictureHeight, int ClientWidth, int ClientHeight,
                       const TGIFLayout& Layout) {
  TGIFPlacement P;
  if (PictureWidth <= 0 || PictureHeight <= 0) return P;
  P.Scaled = (Layout.Stretch || Layout.StretchRatio) &&
             (PictureWidth != ClientWidth || PictureHeight != ClientHeight) &&
             (!Layout.StretchBigOnly || ClientWidth < PictureWidth || ClientHeight < PictureHeight);
  if (!P.Scaled) {
    if (Layout.Tile) {
      P.Tiled = true;
      P.Dest = Rect(0, 0, ClientWidth, ClientHeight);
    } else if (Layout.Center) {
      const int Left = (ClientWidth - PictureWidth) / 2;
      const int Top = (ClientHeight - PictureHeight) / 2;
      P.Dest = Rect(Left, Top, Left + PictureWidth, Top + PictureHeight);
    } else {
      P.Dest = Rect(0, 0, PictureWidth, PictureHeight);
    }
    return P;
  }
  if (Layout.StretchRatio && !Layout.Stretch) {
    const double Sx = static_cast<double>(ClientWidth) / PictureWidth;
    const double Sy = static_cast<double>(ClientHeight) / PictureHeight;
    if (Sx < Sy) {
      const int Top = static_cast<int>(std::nearbyint((ClientHeight - PictureHeight * Sx) / 2));
      P.Dest = Rect(0, Top, ClientWidth, ClientHeight - Top);
    } else {
      const int Left = static_cast<int>(std::nearbyint((ClientWidth - PictureWidth * Sy) / 2));
      P.Dest = Rect(Left, 0, ClientWidth - Left, ClientHeight);
    }
  } else {
    P.Dest = Rect(0, 0, ClientWidth, ClientHeight);
  }
  return P;
}

int GIFFrameTime(int DelayMs, int Speed) {
  const long long Shown = std::max(DelayMs, kGIFMinFrameTime);
  const long long Time = Shown * 100 / std::max(Speed, 1);
  return static_cast<int>(std::clamp<long long>(Time, 1, 0x7FFFFFFF));
}

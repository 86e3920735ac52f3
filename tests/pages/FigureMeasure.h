#pragma once
// Measuring figures drawn with free polygons, for tests that check a page's
// figure against the terms it stands for.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "components/XPolygon.h"

// The polygon's corners in page pixels, as it draws them.
inline std::vector<TPoint> Pixels(const TXPolygon& P) {
  return XPolyPixelPoints(P.PolyPoints(), P.Width(), P.Height(), P.StretchRatio(), P.Left(), P.Top());
}

// Twice the area, by the shoelace formula (exact on whole pixels).
inline long TwiceArea(const std::vector<TPoint>& Points) {
  long Sum = 0;
  for (std::size_t I = 0; I < Points.size(); ++I) {
    const TPoint& A = Points[I];
    const TPoint& B = Points[(I + 1) % Points.size()];
    Sum += static_cast<long>(A.X) * B.Y - static_cast<long>(B.X) * A.Y;
  }
  return std::labs(Sum);
}

// The length a dimension line stands for: its longer extent.
inline int Length(const TXPolygon& Dimension) {
  const std::vector<TPoint> P = Pixels(Dimension);
  const auto [MinX, MaxX] = std::minmax_element(P.begin(), P.end(), [](auto& A, auto& B) { return A.X < B.X; });
  const auto [MinY, MaxY] = std::minmax_element(P.begin(), P.end(), [](auto& A, auto& B) { return A.Y < B.Y; });
  return std::max(MaxX->X - MinX->X, MaxY->Y - MinY->Y);
}

#pragma once
// Integer rasterisation of the canvas shapes, pixel for pixel: which pixels a
// rounded rectangle or ellipse covers, which pixels a one-pixel line sets,
// and the flattening of Bezier curves. No drawing happens here.
#include <vector>

#include "common/Types.h"

// One row of covered pixels: X1 <= x < X2 in row Y.
struct TSpan {
  int Y = 0;
  int X1 = 0;
  int X2 = 0;
  friend bool operator==(const TSpan&, const TSpan&) = default;
};

// The pixels whose centres lie inside the rectangle R (right and bottom
// exclusive) with corners rounded by quarter ellipses of CornerW x CornerH
// pixels. A corner as large as R itself gives an ellipse; 0 a plain rectangle.
// Only pixels inside Clip are produced, so huge figures cost no more than
// the visible part. Rows without pixels are left out; spans come top to bottom.
std::vector<TSpan> RoundRectSpans(const TRect& R, int CornerW, int CornerH, const TRect& Clip);

// The band of Width pixels just inside the outline of the same figure
// (the pen), and what lies inside that band (the brush). Both are disjoint.
struct TShapeSpans {
  std::vector<TSpan> Outline;
  std::vector<TSpan> Interior;
};
TShapeSpans RoundRectShape(const TRect& R, int CornerW, int CornerH, int Width, const TRect& Clip);

// The pixels of a one-pixel line from A towards B; B itself is not part of it.
// The line steps one pixel along its longer axis at a time; the other
// coordinate is the exact one rounded (halves away from A). Index counts the
// pixels from A (for dash patterns); only pixels inside Clip are produced.
struct TLinePixel {
  int X = 0;
  int Y = 0;
  long long Index = 0;
};
std::vector<TLinePixel> LinePixels(TPoint A, TPoint B, const TRect& Clip);

// Points along cubic Bezier segments: Points holds a start point and three
// more (two controls, one end) per segment. Incomplete tails are ignored.
std::vector<TPoint> FlattenBezier(const std::vector<TPoint>& Points);

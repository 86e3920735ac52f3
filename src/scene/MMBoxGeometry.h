#pragma once
// Integer rules of the scene box: where drag targets may go (the inner
// margin, the snap raster), where the grid crosses lie and how the sunken
// frame runs. Nothing here draws.
#include <array>
#include <vector>

#include "common/Types.h"
#include "scene/MMShapesGeometry.h"

// Grid spacing and offset of the first grid point. A size below 1 leaves
// that axis without grid points and without snapping.
struct TGridSpacing {
  int XOffset = 16;
  int YOffset = 16;
  int XSize = 16;
  int YSize = 16;
};

// Drag targets keep this distance from every edge of the box.
constexpr int DragMargin = 5;

// A coordinate below the margin becomes the margin, else one beyond
// Size - margin becomes that bound (so a box narrower than twice the margin
// pins targets to its far bound).
TPoint ClampToMargin(TPoint P, int Width, int Height);

// The nearest grid point for targets right of and below the first one.
TPoint SnapToGrid(TPoint P, const TGridSpacing& Grid);

// Grid points x = XOffset + i XSize, y = YOffset + j YSize for
// i = 0 .. (Width - XOffset) div XSize and j likewise, restricted to those
// whose cross can touch the box.
std::vector<TPoint> GridPoints(int Width, int Height, const TGridSpacing& Grid);
// The small plus drawn at a grid point: three pixels across each way.
std::array<TLineSegment, 2> GridCross(TPoint P);

// The one-pixel sunken frame: white along the bottom and right, black along
// the top and left.
struct TSunkenFrame {
  std::array<TPoint, 3> Light;
  std::array<TPoint, 3> Dark;
};
TSunkenFrame SunkenFrame(int Width, int Height);

// Designer marker of a point: a plus seven pixels across.
std::array<TLineSegment, 2> PointMarker(TPoint P);

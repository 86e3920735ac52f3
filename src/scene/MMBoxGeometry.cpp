#include "scene/MMBoxGeometry.h"

#include <algorithm>

#include "scene/MMMath.h"

namespace {

int Clamp(int V, int Size) {
  if (V < DragMargin) return DragMargin;
  const long long Upper = static_cast<long long>(Size) - DragMargin;
  return V > Upper ? ClampCoord(Upper) : V;
}

int Snap(int V, int Offset, int Size) {
  if (Size < 1) return V;
  const long long Shifted = static_cast<long long>(V) + Size / 2 - Offset;
  return ClampCoord(Shifted / Size * Size + Offset);
}

// Indices 0 .. (Extent - Offset) div Size whose grid line lies within one
// pixel of 0 .. Extent - 1; First > Last when there is none.
struct TRange {
  long long First;
  long long Last;
};

TRange Visible(int Extent, int Offset, int Size) {
  if (Size < 1) return {1, 0};
  const long long Last = (static_cast<long long>(Extent) - Offset) / Size;
  // The first index whose line is at -1 or further right.
  long long First = 0;
  const long long Lowest = -1 - static_cast<long long>(Offset);
  if (Lowest > 0) First = (Lowest + Size - 1) / Size;
  return {First, Last};
}

}  // namespace

TPoint ClampToMargin(TPoint P, int Width, int Height) { return {Clamp(P.X, Width), Clamp(P.Y, Height)}; }

TPoint SnapToGrid(TPoint P, const TGridSpacing& Grid) {
  return {Snap(P.X, Grid.XOffset, Grid.XSize), Snap(P.Y, Grid.YOffset, Grid.YSize)};
}

std::vector<TPoint> GridPoints(int Width, int Height, const TGridSpacing& Grid) {
  std::vector<TPoint> Points;
  const TRange Cols = Visible(Width, Grid.XOffset, Grid.XSize);
  const TRange Rows = Visible(Height, Grid.YOffset, Grid.YSize);
  if (Cols.First > Cols.Last || Rows.First > Rows.Last) return Points;
  Points.reserve(static_cast<std::size_t>((Cols.Last - Cols.First + 1) * (Rows.Last - Rows.First + 1)));
  for (long long I = Cols.First; I <= Cols.Last; ++I)
    for (long long J = Rows.First; J <= Rows.Last; ++J)
      Points.push_back({ClampCoord(Grid.XOffset + I * Grid.XSize), ClampCoord(Grid.YOffset + J * Grid.YSize)});
  return Points;
}

std::array<TLineSegment, 2> GridCross(TPoint P) {
  auto At = [](long long X, long long Y) { return TPoint{ClampCoord(X), ClampCoord(Y)}; };
  const long long X = P.X;
  const long long Y = P.Y;
  return {{{At(X - 1, Y), At(X + 2, Y)}, {At(X, Y - 1), At(X, Y + 2)}}};
}

TSunkenFrame SunkenFrame(int Width, int Height) {
  return {{{{Width - 1, 0}, {Width - 1, Height - 1}, {0, Height - 1}}}, {{{0, Height}, {0, 0}, {Width, 0}}}};
}

std::array<TLineSegment, 2> PointMarker(TPoint P) {
  auto At = [](long long X, long long Y) { return TPoint{ClampCoord(X), ClampCoord(Y)}; };
  const long long X = P.X;
  const long long Y = P.Y;
  return {{{At(X - 3, Y), At(X + 4, Y)}, {At(X, Y - 3), At(X, Y + 4)}}};
}

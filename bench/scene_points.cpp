// Reading positions of a scene's points: every read follows origins and fix
// references afresh, so this is the cost a repaint pays per point.
#include <benchmark/benchmark.h>

#include "scene/MMPoints.h"
#include "scene/MMShapesGeometry.h"

namespace {

// A board of 21 nails in six rows: the first nail is placed absolutely, the
// two nails of the second row hang on it, and every further nail hangs on a
// neighbour through an origin and copies the vector of one of those two.
void BuildBoard(TMMPoints& Points) {
  TMMPoint& First = Points.Add();
  First.SetX(160);
  First.SetY(50);
  TMMPoint& Left = Points.Add();
  Left.SetX(-20);
  Left.SetY(30);
  Left.SetOrigin(First.ID());
  TMMPoint& Right = Points.Add();
  Right.SetX(20);
  Right.SetY(30);
  Right.SetOrigin(First.ID());
  int RowStart = Left.ID();
  for (int Row = 3; Row <= 6; ++Row) {
    int Previous = -1;
    for (int J = 0; J < Row; ++J) {
      TMMPoint& Nail = Points.Add();
      const bool Down = J == 0;
      Nail.SetFixType(ftVector);
      Nail.SetFixReference(Down ? Left.ID() : Right.ID());
      Nail.SetOrigin(Down ? RowStart : Previous);
      Previous = Nail.ID();
      if (Down) RowStart = Nail.ID();
    }
  }
}

void BM_AbsolutePositionsOfBoard(benchmark::State& State) {
  TMMPoints Points;
  BuildBoard(Points);
  for (auto _ : State) {
    long long Sum = 0;
    for (int I = 0; I < Points.Count(); ++I) {
      const TPoint P = Points[I].AbsolutePosition();
      Sum += P.X + P.Y;
    }
    benchmark::DoNotOptimize(Sum);
  }
  State.SetItemsProcessed(State.iterations() * Points.Count());
}
BENCHMARK(BM_AbsolutePositionsOfBoard);

void BM_RadiusConstrainedDrag(benchmark::State& State) {
  TMMPoints Points;
  TMMPoint& Centre = Points.Add();
  Centre.SetX(150);
  Centre.SetY(120);
  TMMPoint& P = Points.Add();
  P.SetX(30);
  P.SetY(40);
  P.SetOrigin(Centre.ID());
  P.SetFixType(ftRadius);
  int Step = 0;
  for (auto _ : State) {
    OnePointDrag(Points, P.ID(), nullptr, 100 + Step % 100, 60 + Step % 50);
    ++Step;
  }
}
BENCHMARK(BM_RadiusConstrainedDrag);

}  // namespace

BENCHMARK_MAIN();

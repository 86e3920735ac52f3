#include "components/BeamLayout.h"

#include <algorithm>
#include <cstdint>

#include "common/NumberFormat.h"
#include "components/XShapeMath.h"

namespace {
// Marks and ticks further than this outside the control are not laid out.
constexpr std::int64_t Margin = 4096;

// Indices k = 0 .. Last of the positions Offset + k * Distance that fall into
// [Lo, Hi]; an empty range has First > Last.
struct TIndexRange {
  std::int64_t First = 0;
  std::int64_t Last = -1;
};

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
  std::int64_t Q = A / B;
  if ((A % B != 0) && ((A < 0) != (B < 0))) --Q;
  return Q;
}

std::int64_t CeilDiv(std::int64_t A, std::int64_t B) { return -FloorDiv(-A, B); }

TIndexRange VisibleIndices(std::int64_t Offset, std::int64_t Distance, std::int64_t Last,
                           std::int64_t Lo, std::int64_t Hi) {
  TIndexRange R;
  if (Distance == 0 || Last < 0) return R;
  std::int64_t A, B;
  if (Distance > 0) {
    A = CeilDiv(Lo - Offset, Distance);
    B = FloorDiv(Hi - Offset, Distance);
  } else {
    A = CeilDiv(Hi - Offset, Distance);
    B = FloorDiv(Lo - Offset, Distance);
  }
  R.First = std::max<std::int64_t>(0, A);
  R.Last = std::min(Last, B);
  return R;
}

// The index of the last tick or mark: (width - 2 arrow - left offset) div distance.
std::int64_t LastIndex(const TBeamParams& P, int Distance) {
  const std::int64_t Span = std::int64_t{P.Width} - 2 * std::int64_t{P.ArrowSize} - P.LeftOffset;
  return Span / Distance;
}
}  // namespace

std::string BeamLabel(double Value, int MarkWidth) {
  const int W = std::max(MarkWidth, 2);
  return FormatFixed(Value, W, W - 2);
}

TBeamLayout LayoutBeam(const TBeamParams& Given) {
  // Sizes far beyond any screen are held where the sums below cannot overflow.
  TBeamParams P = Given;
  for (int* V : {&P.Width, &P.Height, &P.ArrowSize, &P.TickSize, &P.MarkSize, &P.LeftOffset})
    *V = std::clamp(*V, -XCoordLimit, XCoordLimit);
  TBeamLayout L;
  const int M = P.Height / 2;
  L.Mid = M;
  L.Axis = {{0, M}, {P.Width, M}};
  L.HeadUpper = {{P.Width, M}, {P.Width - P.ArrowSize, M - P.ArrowSize}};
  L.HeadLower = {{P.Width, M}, {P.Width - P.ArrowSize, M + P.ArrowSize}};
  const std::int64_t Lo = -Margin;
  const std::int64_t Hi = std::int64_t{P.Width} + Margin;

  if (P.TickDistance != 0 && P.TickSize != 0) {
    const TIndexRange R = VisibleIndices(P.LeftOffset, P.TickDistance, LastIndex(P, P.TickDistance), Lo, Hi);
    for (std::int64_t K = R.First; K <= R.Last; ++K) {
      const int X = static_cast<int>(P.LeftOffset + K * P.TickDistance);
      L.Ticks.push_back({{X, M - P.TickSize}, {X, M + P.TickSize + 1}});
    }
  }

  if (P.MarkDistance != 0) {
    const std::int64_t Last = LastIndex(P, P.MarkDistance);
    L.LastMark = static_cast<int>(std::clamp<std::int64_t>(Last, -1, INT32_MAX));
    if (P.MarkSize != 0) {
      const TIndexRange R = VisibleIndices(P.LeftOffset, P.MarkDistance, Last, Lo, Hi);
      // A mark count of 0 labels every mark instead of dividing by zero.
      const std::int64_t Every = P.MarkCount == 0 ? 1 : P.MarkCount;
      for (std::int64_t K = R.First; K <= R.Last; ++K) {
        const int X = static_cast<int>(P.LeftOffset + K * P.MarkDistance);
        L.Marks.push_back({{X, M - P.MarkSize}, {X, M + P.MarkSize + 1}});
        if (K % Every == 0)
          L.Labels.push_back({BeamLabel(static_cast<double>(K) * P.MarkRatio + P.MarkOffset, P.MarkWidth),
                              {X, M + P.MarkSize + 2}});
      }
    }
    const double N = static_cast<double>(L.LastMark);
    if (L.LastMark >= 0 && P.MarkOffset < P.Pointer && P.Pointer <= N * P.MarkRatio + P.MarkOffset) {
      const int X = XRoundCoord(static_cast<long double>(P.Pointer - P.MarkOffset) * P.MarkDistance /
                               P.MarkRatio) + P.LeftOffset;
      const int Y = M + 1;
      const int Half = P.ArrowSize / 2;
      const int Base = M + 2 * P.ArrowSize + 1;
      L.HasPointer = true;
      L.Pointer = {{X, Y}, {X - Half, Base}, {X + Half, Base}};
    }
  }
  return L;
}

double BeamValueAt(const TBeamParams& P, int X) {
  if (P.MarkDistance == 0) return P.MarkOffset;
  return (static_cast<double>(X) - P.LeftOffset) * P.MarkRatio / P.MarkDistance + P.MarkOffset;
}

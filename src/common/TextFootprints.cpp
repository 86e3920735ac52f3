#include "common/TextFootprints.h"

std::vector<std::pair<std::size_t, std::size_t>> CrowdedFootprints(const std::vector<TTextFootprint>& Footprints,
                                                                   int MinGap) {
  std::vector<std::pair<std::size_t, std::size_t>> Crowded;
  const auto Empty = [](const TRect& R) { return R.Width() <= 0 || R.Height() <= 0; };
  for (std::size_t I = 0; I < Footprints.size(); ++I) {
    const TTextFootprint& A = Footprints[I];
    if (Empty(A.Rect)) continue;
    for (std::size_t J = I + 1; J < Footprints.size(); ++J) {
      const TTextFootprint& B = Footprints[J];
      if (B.Control == A.Control || Empty(B.Rect)) continue;
      const bool Apart = A.Rect.Right + MinGap <= B.Rect.Left || B.Rect.Right + MinGap <= A.Rect.Left ||
                         A.Rect.Bottom + MinGap <= B.Rect.Top || B.Rect.Bottom + MinGap <= A.Rect.Top;
      if (!Apart) Crowded.emplace_back(I, J);
    }
  }
  return Crowded;
}

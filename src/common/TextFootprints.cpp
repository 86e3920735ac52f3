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
      const int Gap = A.Framed && B.Framed ? 0 : MinGap;
      const bool Apart = A.Rect.Right + Gap <= B.Rect.Left || B.Rect.Right + Gap <= A.Rect.Left ||
                         A.Rect.Bottom + Gap <= B.Rect.Top || B.Rect.Bottom + Gap <= A.Rect.Top;
      if (!Apart) Crowded.emplace_back(I, J);
    }
  }
  return Crowded;
}

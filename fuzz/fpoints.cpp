// Stored polygon points: any bytes decode without harm, at most 64 finite
// points come out, and re-encoding what was decoded reads back the same.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "components/XPolyPoint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  std::vector<TXPolyPoint> Points;
  DecodeFPoints(Data, Size, Points);
  if (Points.size() > static_cast<std::size_t>(MaxXPolyPoints)) std::abort();
  for (const TXPolyPoint& P : Points)
    if (!std::isfinite(P.X) || !std::isfinite(P.Y)) std::abort();
  const std::vector<unsigned char> Bytes = EncodeFPoints(Points);
  std::vector<TXPolyPoint> Again;
  if (!DecodeFPoints(Bytes.data(), Bytes.size(), Again) || Again != Points) std::abort();
  XPolyPixelPoints(Points, 40, 40, Size % 2 == 1);
  std::vector<TXPolyPoint> FromText;
  XPolyPointsFromLines(XPolyPointsToLines(Points), FromText);
  return 0;
}

#include "pages/interpretieren/MotionRows.h"

int MotionX(int Row, int T, int Scale) {
  switch (Row) {
    case 0: return 10 * T * Scale;
    case 1: return (140 - 4 * T) * Scale;
    case 2: return 5 * T * Scale;
    default: return 2 * T * T;
  }
}

std::vector<TMotionMarker> MotionMarkers(int T, int Scale) {
  std::vector<TMotionMarker> Result;
  for (int Row = 0; Row < MotionRowCount; ++Row)
    for (int Past = 0; Past < T; ++Past) Result.push_back({MotionX(Row, Past, Scale), MotionRowDistance * Row, false});
  for (int Row = 0; Row < MotionRowCount; ++Row)
    Result.push_back({MotionX(Row, T, Scale), MotionRowDistance * Row, true});
  return Result;
}

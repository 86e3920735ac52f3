#include "pages/interpretieren/MotionRows.h"

#include <cstdio>

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

namespace {

// 0.025 -> "0,025", 6.0 -> "6": at most three decimals, German comma.
std::string GermanNumber(double Value) {
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "%.3f", Value);
  std::string Text = Buffer;
  while (Text.back() == '0') Text.pop_back();
  if (Text.back() == '.') Text.pop_back();
  for (char& C : Text)
    if (C == '.') C = ',';
  return Text == "-0" ? "0" : Text;
}

}  // namespace

std::string MotionDescription(int T, int Scale, int UnitPixels) {
  std::string Text = "Nach " + std::to_string(T) + " s: ";
  for (int Row = 0; Row < MotionRowCount; ++Row) {
    const double Units = UnitPixels > 0 ? static_cast<double>(MotionX(Row, T, Scale)) / UnitPixels : 0.0;
    Text += "Körper " + std::to_string(Row + 1) + " bei " + GermanNumber(Units);
    Text += Row + 1 < MotionRowCount ? "; " : ".";
  }
  return Text;
}

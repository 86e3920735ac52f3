#pragma once
// The four motions of the page "Bewegungen": four bodies move along four
// number lines, one second per step. Positions are pixels from the left
// end of a line; Scale is the pixel distance of two ticks, and one unit of
// the lines is 20 ticks. The page paints a trail square for every second
// gone by and the current square in another colour.
#include <string>
#include <vector>

constexpr int MotionRowCount = 4;
// The animation stops after this many seconds.
constexpr int MotionLastTick = 18;
// Vertical distance of two rows and the side of a square, in pixels.
constexpr int MotionRowDistance = 78;
constexpr int MotionMarkerSize = 6;

// Position of the body of row Row (0 .. 3) after T seconds:
// row 0 at 10 ticks a second, row 1 from tick 140 back at 4 ticks a second,
// row 2 at 5 ticks a second, row 3 speeding up: 2 T^2 pixels (not scaled).
int MotionX(int Row, int T, int Scale);

struct TMotionMarker {
  int X = 0;
  int Y = 0;
  bool Current = false;
  friend bool operator==(const TMotionMarker&, const TMotionMarker&) = default;
};

// What the drawing area shows after T seconds, in painting order: for each
// row the trail (seconds 0 .. T - 1), then the current square of every row.
std::vector<TMotionMarker> MotionMarkers(int T, int Scale);

// Where the bodies are after T seconds, in units of the number lines (a
// unit is UnitPixels long), for a reader: "Nach 2 s: Körper 1 bei 1;
// Körper 2 bei 6,6; Körper 3 bei 0,5; Körper 4 bei 0,1."
std::string MotionDescription(int T, int Scale, int UnitPixels);

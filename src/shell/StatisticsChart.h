#pragma once
// The statistics chart as plain geometry: one coloured row per course page
// with its label, a 3-D frame around the rows, and the pupil's way through
// the course as a white polyline with a red dot per visit. The window only
// paints what this computes.
#include <functional>
#include <string>
#include <vector>

#include "common/Types.h"

// Rows are this many pixels apart, the first one ChartTop below the top
// edge, so that its label is whole; the row line of a page runs 4 pixels
// below its label's top edge + 2 and ends at x = ChartRowEnd.
constexpr int ChartRowPitch = 8;
constexpr int ChartTop = 3;
constexpr int ChartRowEnd = 1000;
// Each visit moves the way this many pixels to the right.
constexpr int ChartVisitStep = 4;
constexpr TColor ChartFrameShadow = 8421504;  // grey

struct TChartLine {
  TPoint From;
  TPoint To;
  TColor Color = 0;
  int Width = 1;
  friend bool operator==(const TChartLine&, const TChartLine&) = default;
};

// A text drawn with its top-left corner at X, Y (white, transparent).
struct TChartText {
  int X = 0;
  int Y = 0;
  std::string Text;
  friend bool operator==(const TChartText&, const TChartText&) = default;
};

// A filled circle in the box (right and bottom exclusive).
struct TChartDot {
  TRect Box;
  TColor Pen = 0;
  TColor Brush = 0;
  int PenWidth = 1;
  friend bool operator==(const TChartDot&, const TChartDot&) = default;
};

// A 3-D frame of Width pixels: the rectangle's top and left edges in
// TopLeft, bottom and right in BottomRight (right and bottom exclusive).
struct TChartFrame {
  TRect Rect;
  TColor TopLeft = 0;
  TColor BottomRight = 0;
  int Width = 1;
  friend bool operator==(const TChartFrame&, const TChartFrame&) = default;
};

struct TStatisticsChart {
  std::vector<TChartText> Labels;  // one per page, in row order
  std::vector<TChartLine> Rows;    // one per page, in row order
  TChartFrame Frame;
  std::vector<TChartLine> Way;  // one segment per visit, in visit order
  std::vector<TChartDot> Dots;  // one per visit, drawn after its segment
  // The lowest row line's y + 4: the frame's bottom edge.
  int Bottom = 4;
};

// Lays out the chart for the course pages (one row each, in this order) and
// the history (the pages visited, in order). Label gives a page's label,
// TextWidth a label's width in pixels; BoxWidth is the paint box's width.
// A visited page that has no row is drawn on the first row.
TStatisticsChart LayOutStatisticsChart(const std::vector<int>& Pages, const std::vector<int>& History,
                                       const std::function<std::string(int Page)>& Label,
                                       const std::function<int(const std::string& Text)>& TextWidth, int BoxWidth);

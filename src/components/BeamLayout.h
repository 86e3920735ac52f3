#pragma once
// Geometry of the number line: axis with an open arrow head, small ticks,
// labelled marks and the triangular pointer, all relative to the control's
// top-left corner.
#include <string>
#include <vector>

#include "common/Types.h"

struct TBeamParams {
  int Width = 100;
  int Height = 20;
  int ArrowSize = 8;
  int TickSize = 2;
  int TickDistance = 4;
  int MarkSize = 4;
  int MarkDistance = 80;
  double MarkRatio = 1.0;
  int LeftOffset = 0;
  int MarkWidth = 1;
  double MarkOffset = 0.0;
  int MarkCount = 1;
  double Pointer = 0.0;
};

// A line drawn with MoveTo(From) / LineTo(To): To itself is not set.
struct TBeamLine {
  TPoint From;
  TPoint To;
};

// A label's text with the top-centre point of its cell.
struct TBeamLabel {
  std::string Text;
  TPoint TopCentre;
};

struct TBeamLayout {
  int Mid = 0;
  TBeamLine Axis;
  TBeamLine HeadUpper;
  TBeamLine HeadLower;
  std::vector<TBeamLine> Ticks;
  std::vector<TBeamLine> Marks;
  std::vector<TBeamLabel> Labels;
  int LastMark = -1;  // index of the last mark; -1 when there are none
  bool HasPointer = false;
  std::vector<TPoint> Pointer;  // tip on the axis, then the two base corners
};

// Ticks and marks are laid out only where they can be seen (a generous
// margin around the control), so odd values never make the loops run long.
TBeamLayout LayoutBeam(const TBeamParams& P);

// The value the scale shows at pixel column X. A zero mark distance has no
// scale: the value is MarkOffset everywhere.
double BeamValueAt(const TBeamParams& P, int X);

// The label format "%w.pf" with w = max(MarkWidth, 2) and p = w - 2, as text.
std::string BeamLabel(double Value, int MarkWidth);

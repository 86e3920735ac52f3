#pragma once
// Pixel geometry of the extended shape figures: the unit figures with their
// rotation and scaling, their vertex and side letters, the block arrow and
// the little arrow of the shadow kinds. Every function takes the offset
// (X, Y) at which the control's top-left corner is drawn.
#include <string>
#include <vector>

#include "common/Types.h"
#include "components/XShapeTypes.h"

// A point of a unit figure: centred on (0, 0), coordinates in -0.5 .. 0.5.
struct TUnitPoint {
  long double X = 0;
  long double Y = 0;
};

// The fixed point list of a unit-figure kind; empty for every other kind.
const std::vector<TUnitPoint>& UnitFigure(TShapeForm Kind);

// Turns and stretches unit points into the control's pixels. Rotation is in
// degrees, clockwise on the screen. ScaleY stretches the unit x coordinate
// and ScaleX the unit y coordinate. Invariant keeps the aspect by using the
// smaller side for both directions.
struct TFigureTransform {
  int Width = 65;
  int Height = 65;
  long double Rotation = 0;
  long double ScaleX = 1;
  long double ScaleY = 1;
  bool Invariant = false;

  TPoint Apply(const TUnitPoint& P, int X, int Y) const;
};

std::vector<TPoint> TransformFigure(TShapeForm Kind, const TFigureTransform& T, int X, int Y);

// A letter and the top-left corner of its text cell.
struct TFigureLabel {
  std::string Text;
  TPoint At;
};

// Vertex letters (Description) and side letters (Lines, rectangle only) of a
// unit figure, placed away from the figure's centre.
std::vector<TFigureLabel> FigureLabels(TShapeForm Kind, const TFigureTransform& T, int X, int Y,
                                       bool Description, bool Lines);

// Where the block arrow points for a rotation in degrees: right below 45 and
// from 315 on, left from 135 to below 225, down otherwise.
enum class TArrowDirection { Right, Left, Down };
TArrowDirection ArrowRightDirection(long double Rotation);

// The seven corners of the filled block arrow. Pointing right or left, HeadA
// is the head length and QuarterB a quarter of the head height (the shaft is
// 2 QuarterB thick); pointing down the two swap axes: HeadA is a quarter of
// the head width and QuarterB the head length.
std::vector<TPoint> BlockArrowPoints(int Width, int Height, int HeadA, int QuarterB,
                                     TArrowDirection Direction, int X, int Y);

// The small arrow of the shadow kinds: a horizontal shaft at mid-height and a
// closed three-point head. The shadow copy is shifted by (Dx, Dy); the figure
// keeps its place and its right end is pulled in by Dx.
struct TSmallArrow {
  TPoint ShaftFrom;
  TPoint ShaftTo;  // end pixel excluded, as with LineTo
  std::vector<TPoint> Head;
};
TSmallArrow ShadowArrow(int Width, int Height, int Dx, int Dy, bool Shadow, int X, int Y);

// The raster-operation kinds draw a figure into an off-screen picture of the
// control's size and combine it with what lies below.
enum class TRasterFigure { Rectangle, Ellipse, Diamond };
enum class TRasterMode { Invert, And, Paint, Erase, PatPaint };  // xor, and, or, S and not D, P or not S or D
struct TRasterPlan {
  TRasterFigure Figure = TRasterFigure::Rectangle;
  bool PreFill = false;  // the picture is filled with Color2 before the figure
  TRasterMode Mode = TRasterMode::And;
};
// trScaleForm picks its figure by round(ScaleX) and its mode by round(ScaleY).
TRasterPlan RasterPlan(TShapeForm Kind, long double ScaleX, long double ScaleY);

// The diamond through the midpoints of the edges of a Width x Height box.
std::vector<TPoint> DiamondPoints(int Width, int Height, int X, int Y);

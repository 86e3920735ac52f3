#pragma once
// Integer geometry of the scene shapes: where their parts lie, whether a
// mouse position hits them and how dragging moves their points. Drawing code
// takes these figures to the canvas as they are; nothing here draws.
#include <array>
#include <vector>

#include "common/Types.h"
#include "scene/MMPoints.h"
#include "scene/ShapeDefaults.h"

struct TLineSegment {
  TPoint From;
  TPoint To;
  friend bool operator==(const TLineSegment&, const TLineSegment&) = default;
};

// Absolute position of the point with the given ID; (0, 0) when there is none.
TPoint PointPos(const TMMPoints& Points, int ID);

// Hit tests, bounds inclusive.
bool HitOnePoint(TPoint P, int X, int Y);  // within 4 of the point
bool HitHotspot(TPoint P, int X, int Y);   // within 8 of the point
bool HitCheckBox(TPoint P, int CaptionWidth, int X, int Y);
// Rectangle, ellipse, pole and picture shapes: a box around A twice as large
// as the shape's extent.
bool HitAroundFirstCorner(TPoint A, TPoint B, int X, int Y);
bool HitTextBox(TPoint A, TPoint B, int X, int Y);     // A is top left, B bottom right
bool HitBoundingBox(TPoint A, TPoint B, int X, int Y);  // any two corners

// Rectangles as handed to the canvas (right and bottom exclusive).
TRect HotspotFocusRect(TPoint P);
TRect HandleFocusRect(TPoint H);
TRect MarkerCircleRect(TPoint P);
std::array<TLineSegment, 2> MarkerCross(TPoint P);
TRect Circle1Rect(TPoint P, int Radius);
// Centre A with B on the rim, radius rounded.
TRect CircleRect(TPoint A, TPoint B);

// Where text and pictures go. A centred string ends at its point; centred
// text-box text and image-list pictures sit with their middle on it.
TPoint StringTextOrigin(TPoint P, TSize Text, bool Centered);
TPoint TextBoxTextOrigin(TPoint T, TSize Text, bool Centered);
TPoint ImageListOrigin(TPoint P, TSize Image, bool Centered);

// The polyline of a line end at Tip for a line coming from From, Length long
// and 2 HalfWidth wide; empty for leNone and for a line of length 0.
std::vector<TPoint> LineEndPolyline(TLineEnd Kind, TPoint From, TPoint Tip, int Length = LineEndLength,
                                    int HalfWidth = LineEndHalfWidth);

// Ruler ticks across the line A-B, every Distance pixels from A including A.
// No ticks for a Distance of 0; at most MaxTicks of them. Like the half
// circle, a ruler is drawn only when both its point properties are set
// (0 or more).
constexpr int MaxTicks = 65536;
std::vector<TLineSegment> TickSegments(TPoint A, TPoint B, int Distance, int TickSize);

// A bar of width 2 Size around A-B reaching Size beyond both; empty when
// A equals B.
std::vector<TPoint> PolePolygon(TPoint A, TPoint B, int Size);
// The half disc around A on the side of B: 13 vertices.
std::vector<TPoint> HalfCirclePolygon(TPoint A, TPoint B);

struct TCheckBoxGeometry {
  TRect Box;                      // drawn with the current pen colour
  std::array<TPoint, 3> Shadow;   // grey polyline, top and left
  std::array<TPoint, 3> Light;    // white polyline inside, right and bottom
  TPoint CaptionAt;
  std::array<TLineSegment, 2> Cross;  // the check mark, pen width 2
};
TCheckBoxGeometry CheckBoxGeometry(TPoint P, int CaptionHeight);

// The one-point drag: a drag step of the point with the given ID towards
// (X, Y); nothing when no point has that ID.
void OnePointDrag(TMMPoints& Points, int PointID, void* Sender, int X, int Y);

// Handles of a dynamic line: its ends and their centre, in this order.
std::array<TPoint, 3> DynaLineHandles(TPoint A, TPoint B);

// Selection and grabbed handle of a dynamic line between mouse events.
class TDynaLineGrip {
 public:
  bool Selected() const { return FSelected; }
  void SetSelected(bool Value) { FSelected = Value; }
  int Grabbed() const { return FGrabbed; }

  // Selected: grabs the first handle within 6 of (X, Y). Otherwise a position
  // in the bounding box hits and selects the line.
  bool HitTest(TPoint A, TPoint B, int X, int Y);
  // Moves the end of the grabbed handle, or both ends for the middle one,
  // each measured from the handle's position at the start of the step.
  void Drag(TMMPoints& Points, int P1, int P2, void* Sender, int X, int Y) const;

 private:
  bool FSelected = DynaLineDefaultSelected;
  int FGrabbed = -1;
};

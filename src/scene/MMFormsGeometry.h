#pragma once
// The ready-made pictures of the picture shape (sphere, cylinder, rhombus,
// cone, lorry, van, speedometer) as a list of parts in drawing order. Each
// part names how it is painted, so drawing code only maps the paint to pen
// and brush and calls the canvas.
#include <cstdint>
#include <vector>

#include "common/Types.h"
#include "scene/ShapeDefaults.h"

enum class TFormPartKind : std::uint8_t {
  Ellipse,    // in the box Points[0], Points[1]
  Rectangle,  // Points[0], Points[1]
  Polygon,    // filled, all Points
  Line        // from Points[0] to Points[1]
};

enum class TFormPaint : std::uint8_t {
  Shape,       // the shape's pen and brush
  Highlight,   // white solid brush, clear pen
  Wheel,       // the shape's pen, black brush
  SolidLine,   // the shape's pen, made solid
  SolidWheel,  // the shape's pen made solid, black brush
  Dial,        // grey (8421504) solid pen of width 0, the shape's brush
  Needle       // the shape's pen with width 2
};

struct TFormPart {
  TFormPartKind Kind;
  TFormPaint Paint;
  std::vector<TPoint> Points;
  friend bool operator==(const TFormPart&, const TFormPart&) = default;
};

// A is the top left corner, B the bottom right one; Parameter is the
// speedometer reading (0 at the first tick, 100 straight up, 200 at the last).
std::vector<TFormPart> FormParts(TFormKind Kind, TPoint A, TPoint B, long double Parameter);

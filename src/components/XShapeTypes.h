#pragma once
// The kinds of figures the extended shape controls draw, and their identifier
// texts as the page designs store them.
#include <cstdint>
#include <string_view>

// Scoped: several names ("stTextBox") are also scene shape kinds.
enum class TShapeForm : std::uint8_t {
  srRect,
  srTriangle,
  srArrow1,
  srArrow2,
  srArrow3,
  srArrow4,
  srLine,
  stArrowRight,
  stTextBox,
  stRdTextBox,
  stTextCircle,
  stFloatColorH,
  stFloatColorV,
  stFloatColorD,
  stFloatColorR,
  stFloatColorA,
  stFloatColorB,
  stFloatColorX,
  stFloatColorS1,
  stFloatColorS2,
  stFloatColorS3,
  stFloatColorS4,
  stFloatColorS5,
  shRect,
  shEllipse,
  shText,
  shText2,
  shArrow,
  shZembo,
  srTriangle2,
  trRect1,
  trRect2,
  trElli1,
  trElli2,
  trScaleForm,
  sfHLinear,
  sfVLinear
};
constexpr int ShapeFormCount = 37;

enum TXPolygonKind : std::uint8_t { xpLine, xpBezier, xpPolygon };
constexpr int XPolygonKindCount = 3;

// "srLine" <-> value; nullptr / false when not one of them.
const char* ShapeFormToIdent(TShapeForm Value);
bool IdentToShapeForm(std::string_view Ident, TShapeForm& Value);
const char* XPolygonKindToIdent(TXPolygonKind Value);
bool IdentToXPolygonKind(std::string_view Ident, TXPolygonKind& Value);

// The groups the drawing code dispatches on.
bool IsUnitFigure(TShapeForm Kind);   // srRect, srTriangle(2), srLine, srArrow1..4
bool IsColorField(TShapeForm Kind);   // stFloatColorH .. stFloatColorS5
bool IsShadowKind(TShapeForm Kind);   // shRect .. shArrow
bool IsRasterOpKind(TShapeForm Kind); // trRect1 .. trScaleForm

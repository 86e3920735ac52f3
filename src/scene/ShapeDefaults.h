#pragma once
// The kinds of scene shapes and what a freshly created shape starts with.
#include <array>
#include <cstdint>
#include <string_view>

enum TShapeType : std::uint8_t {
  stNone,
  stMarker,
  stHotspot,
  stLine,
  stCircle,
  stRectangle,
  stPole,
  stGraphic,
  stText,
  stTextBox,
  stImageListBMP,
  stEllipse,
  stString,
  stTickedLine,
  stCircle1,
  stTriangle,
  stDynaLine,
  stBitmap,
  stBezier,
  stForm,
  stQuadruPoint,
  stCheckBox,
  stHalfEllipse,
  stHalfCircle
};
constexpr int ShapeTypeCount = 24;

enum TLineEnd : std::uint8_t { leNone, leArrow, leThinArrow };
enum TMarkerType : std::uint8_t { mtCross, mtCircle };
enum TFormKind : std::uint8_t { sfSphere, sfCylinder, sfRhombo, sfKegel, sfLKW, sfVan, sfTacho };

// Identifier texts of the enum values ("stCircle1"); nullptr / false when
// the value or the text is not one of them.
const char* ShapeTypeToIdent(TShapeType Value);
bool IdentToShapeType(std::string_view Ident, TShapeType& Value);
const char* LineEndToIdent(TLineEnd Value);
bool IdentToLineEnd(std::string_view Ident, TLineEnd& Value);
const char* MarkerTypeToIdent(TMarkerType Value);
bool IdentToMarkerType(std::string_view Ident, TMarkerType& Value);
const char* FormKindToIdent(TFormKind Value);
bool IdentToFormKind(std::string_view Ident, TFormKind& Value);

// What the shape class of a kind starts with: its point properties (P1 ... P4,
// or Point for one-point shapes; -1 is no point) and its three flags.
struct TShapeDefaults {
  const char* ClassName;
  int PointCount;
  std::array<int, 4> Points;
  bool Sensible;
  bool Visible;
  bool Movable;
};
const TShapeDefaults& ShapeDefaults(TShapeType Kind);

// Published defaults and fixed sizes of single shape classes.
constexpr int TickedLineDefaultDistance = 10;
constexpr int TickedLineDefaultTickSize = 4;
constexpr int PoleDefaultSize = 5;
constexpr bool TextBoxDefaultCentered = true;
constexpr bool DynaLineDefaultSelected = true;
constexpr int HotspotHalfSize = 8;
constexpr int DynaLineHandleHalfSize = 6;
constexpr int CheckBoxInitialCaptionWidth = 8;
constexpr int OnePointHitRange = 4;
constexpr int LineEndLength = 10;     // along the line, back from the tip
constexpr int LineEndHalfWidth = 3;   // across the line

#include "scene/ShapeDefaults.h"

#include <cstddef>

namespace {

template <typename E, std::size_t N>
const char* ToIdent(const std::array<const char*, N>& Names, E Value) {
  const auto I = static_cast<std::size_t>(Value);
  return I < N ? Names[I] : nullptr;
}

template <typename E, std::size_t N>
bool FromIdent(const std::array<const char*, N>& Names, std::string_view Ident, E& Value) {
  for (std::size_t I = 0; I < N; ++I)
    if (Ident == Names[I]) {
      Value = static_cast<E>(I);
      return true;
    }
  return false;
}

constexpr std::array<const char*, ShapeTypeCount> ShapeTypeNames = {
    "stNone",     "stMarker",       "stHotspot",  "stLine",       "stCircle",     "stRectangle",
    "stPole",     "stGraphic",      "stText",     "stTextBox",    "stImageListBMP", "stEllipse",
    "stString",   "stTickedLine",   "stCircle1",  "stTriangle",   "stDynaLine",   "stBitmap",
    "stBezier",   "stForm",         "stQuadruPoint", "stCheckBox", "stHalfEllipse", "stHalfCircle"};
constexpr std::array<const char*, 3> LineEndNames = {"leNone", "leArrow", "leThinArrow"};
constexpr std::array<const char*, 2> MarkerTypeNames = {"mtCross", "mtCircle"};
constexpr std::array<const char*, 7> FormKindNames = {"sfSphere", "sfCylinder", "sfRhombo", "sfKegel",
                                                      "sfLKW",    "sfVan",      "sfTacho"};

constexpr std::array<int, 4> NoPoints = {-1, -1, -1, -1};
constexpr std::array<int, 4> FirstPoints = {0, 0, 0, 0};

// In the order of TShapeType.
constexpr std::array<TShapeDefaults, ShapeTypeCount> Defaults = {{
    {"TCharge", 0, NoPoints, false, false, false},
    {"TSMarker", 1, NoPoints, false, true, false},
    {"TSHotspot", 1, NoPoints, true, true, true},
    {"TSLine", 2, NoPoints, false, true, false},
    {"TSCircle", 2, NoPoints, false, true, false},
    {"TSRectangle", 2, NoPoints, false, true, false},
    {"TSPole", 2, NoPoints, false, true, false},
    {"TSGraphic", 2, FirstPoints, false, true, false},
    {"TSText", 2, FirstPoints, false, true, false},
    {"TSTextBox", 2, FirstPoints, false, true, false},
    {"TSImageListBMP", 1, NoPoints, false, true, false},
    {"TSEllipse", 2, NoPoints, false, true, false},
    {"TSString", 1, FirstPoints, false, true, false},
    {"TSTickedLine", 2, NoPoints, false, true, false},
    {"TSCircle1", 1, NoPoints, false, true, false},
    {"TSTriangle", 3, FirstPoints, false, true, false},
    {"TSDynaLine", 2, NoPoints, true, true, false},
    {"TSBitmap", 1, FirstPoints, false, true, false},
    {"TSBezier", 4, NoPoints, false, true, false},
    {"TSForm", 2, NoPoints, false, true, false},
    {"TSQuadruPoint", 4, NoPoints, false, true, false},
    {"TSCheckBox", 1, NoPoints, true, true, true},
    {"TSHalfEllipse", 3, FirstPoints, false, true, false},
    {"TSHalfCircle", 2, NoPoints, false, true, false},
}};

}  // namespace

const char* ShapeTypeToIdent(TShapeType Value) { return ToIdent(ShapeTypeNames, Value); }
bool IdentToShapeType(std::string_view Ident, TShapeType& Value) { return FromIdent(ShapeTypeNames, Ident, Value); }
const char* LineEndToIdent(TLineEnd Value) { return ToIdent(LineEndNames, Value); }
bool IdentToLineEnd(std::string_view Ident, TLineEnd& Value) { return FromIdent(LineEndNames, Ident, Value); }
const char* MarkerTypeToIdent(TMarkerType Value) { return ToIdent(MarkerTypeNames, Value); }
bool IdentToMarkerType(std::string_view Ident, TMarkerType& Value) {
  return FromIdent(MarkerTypeNames, Ident, Value);
}
const char* FormKindToIdent(TFormKind Value) { return ToIdent(FormKindNames, Value); }
bool IdentToFormKind(std::string_view Ident, TFormKind& Value) { return FromIdent(FormKindNames, Ident, Value); }

const TShapeDefaults& ShapeDefaults(TShapeType Kind) {
  const auto I = static_cast<std::size_t>(Kind);
  return Defaults[I < Defaults.size() ? I : 0];
}

#include "components/XShapeTypes.h"

#include <array>

namespace {
constexpr std::array<const char*, ShapeFormCount> ShapeFormNames = {
    "srRect",         "srTriangle",     "srArrow1",       "srArrow2",       "srArrow3",
    "srArrow4",       "srLine",         "stArrowRight",   "stTextBox",      "stRdTextBox",
    "stTextCircle",   "stFloatColorH",  "stFloatColorV",  "stFloatColorD",  "stFloatColorR",
    "stFloatColorA",  "stFloatColorB",  "stFloatColorX",  "stFloatColorS1", "stFloatColorS2",
    "stFloatColorS3", "stFloatColorS4", "stFloatColorS5", "shRect",         "shEllipse",
    "shText",         "shText2",        "shArrow",        "shZembo",        "srTriangle2",
    "trRect1",        "trRect2",        "trElli1",        "trElli2",        "trScaleForm",
    "sfHLinear",      "sfVLinear"};
constexpr std::array<const char*, XPolygonKindCount> XPolygonKindNames = {"xpLine", "xpBezier",
                                                                           "xpPolygon"};

template <typename Enum, size_t N>
bool Lookup(const std::array<const char*, N>& Names, std::string_view Ident, Enum& Value) {
  for (size_t I = 0; I < N; ++I)
    if (Ident == Names[I]) {
      Value = static_cast<Enum>(I);
      return true;
    }
  return false;
}

bool InRange(TShapeForm Kind, TShapeForm First, TShapeForm Last) {
  return Kind >= First && Kind <= Last;
}
}  // namespace

const char* ShapeFormToIdent(TShapeForm Value) {
  const auto I = static_cast<size_t>(Value);
  return I < ShapeFormNames.size() ? ShapeFormNames[I] : nullptr;
}

bool IdentToShapeForm(std::string_view Ident, TShapeForm& Value) {
  return Lookup(ShapeFormNames, Ident, Value);
}

const char* XPolygonKindToIdent(TXPolygonKind Value) {
  const auto I = static_cast<size_t>(Value);
  return I < XPolygonKindNames.size() ? XPolygonKindNames[I] : nullptr;
}

bool IdentToXPolygonKind(std::string_view Ident, TXPolygonKind& Value) {
  return Lookup(XPolygonKindNames, Ident, Value);
}

bool IsUnitFigure(TShapeForm Kind) {
  using enum TShapeForm;
  return InRange(Kind, srRect, srLine) || Kind == srTriangle2;
}

bool IsColorField(TShapeForm Kind) {
  return InRange(Kind, TShapeForm::stFloatColorH, TShapeForm::stFloatColorS5);
}

bool IsShadowKind(TShapeForm Kind) { return InRange(Kind, TShapeForm::shRect, TShapeForm::shArrow); }

bool IsRasterOpKind(TShapeForm Kind) {
  return InRange(Kind, TShapeForm::trRect1, TShapeForm::trScaleForm);
}

#include "pages/interpretieren/INEinfuhrung.h"

#include <algorithm>
#include <array>

#include "components/XShapes.h"
#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

namespace {

constexpr int PartCount = 5;
constexpr int LastStage = 6;

// Per stage, which of the parts 1 .. 5 the term's area covers.
constexpr std::array<std::array<bool, PartCount>, LastStage + 1> Marked = {{
    {false, true, false, false, false},  // a*c
    {false, false, false, true, false},  // a*c/2
    {true, true, false, false, false},   // (a+b/2)*c
    {true, false, false, false, true},   // b*c
    {true, true, true, false, false},    // (a+b)*(c+d)-0,5*b*c-d^2
    {false, false, false, true, true},   // 1/2*(a+b)*c
    {false, true, true, true, false},    // a*(2*c+d)-(a*c)/2
}};

TXPolygon* Part(const TExercisePage& Page, int K) { return qobject_cast<TXPolygon*>(Page.Answer(K)); }

bool IsBlue(const TXPolygon* Polygon) { return Polygon->Brush()->Color() != clWhite; }

}  // namespace

TfmINEinfuhrung::TfmINEinfuhrung(QWidget* Parent)
    : TExercisePage(Parent, {"XPolygon1", "XPolygon2", "XPolygon3", "XPolygon4", "XPolygon5"},
                    {{"Label11", "MMTerm2"},
                     {"Label12", "MMTerm3"},
                     {"Label13", "MMTerm4"},
                     {"Label14", "MMTerm5"},
                     {"Label15", "MMTerm6"},
                     {"Label16", "MMTerm7"},
                     {"Label17"}}) {
  // The last figure's praise comes before its closing text.
  SetFinalStage(LastStage);
}

void TfmINEinfuhrung::XPolygon2Click(QObject* Sender) {
  TBrush* Brush = static_cast<TXPolygon*>(Sender)->Brush();
  Brush->SetColor(Brush->Color() == clWhite ? clBlue : clWhite);
}

void TfmINEinfuhrung::PCVGlassButton1Click(QObject*) {
  const int Now = std::min(Stage(), LastStage);
  const auto RightMarking = [this, Now] {
    for (int K = 1; K <= PartCount; ++K)
      if (IsBlue(Part(*this, K)) != Marked[static_cast<size_t>(Now)][static_cast<size_t>(K - 1)]) return false;
    return true;
  };
  TCheck Check;
  if (Now == 0)
    Check.Error(QStringLiteral("Falsch: Der Term entspricht der Fläche eines Rechtecks!"), RightMarking);
  else
    Check.StillWrong(RightMarking);
  if (!Check.Passed()) return;
  ShowPraise();
  if (Now == LastStage) {
    if (Stage() == LastStage) Advance();
    return;
  }
  Advance();
  for (int K = 1; K <= PartCount; ++K) Part(*this, K)->Brush()->SetColor(clWhite);
}

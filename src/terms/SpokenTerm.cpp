#include "terms/SpokenTerm.h"

#include "common/NumberFormat.h"
#include "terms/Terms.h"

namespace {
// A term that is read with a leading "minus": a negation or a negative number.
bool IsNegative(const TTerm& T) {
  if (T.IsA<TNeg>()) return true;
  if (T.IsA<TVariable>()) return false;
  if (const auto* C = dynamic_cast<const TConstant*>(&T)) return C->Value() < 0;
  return false;
}

std::string Spoken(const TTerm& T);

std::string Grouped(const TTerm& T, bool Bracketed) {
  return Bracketed ? "Klammer auf " + Spoken(T) + " Klammer zu" : Spoken(T);
}

// "1,5E-7" is read as "1,5 mal 10 hoch minus 7".
std::string Number(long double Value) {
  std::string Text = FloatToStr(Value < 0 ? -Value : Value);
  if (const auto E = Text.find('E'); E != std::string::npos) {
    std::string Exponent = Text.substr(E + 1);
    if (!Exponent.empty() && Exponent[0] == '+') Exponent.erase(0, 1);
    if (!Exponent.empty() && Exponent[0] == '-') Exponent = "minus " + Exponent.substr(1);
    Text = Text.substr(0, E) + " mal 10 hoch " + Exponent;
  }
  return Value < 0 ? "minus " + Text : Text;
}

std::string Spoken(const TTerm& T) {
  if (const auto* Text = dynamic_cast<const TText*>(&T))
    return Text->Text().empty() || Text->Text() == "?" ? "leer" : Text->Text();
  if (const auto* V = dynamic_cast<const TVariable*>(&T)) return std::string(1, V->Name());
  if (const auto* C = dynamic_cast<const TConstant*>(&T)) return Number(C->Value());
  if (const auto* N = dynamic_cast<const TNeg*>(&T)) return "minus " + Grouped(*N->Operand(), N->NeedsBrackets());
  const auto* D = dynamic_cast<const TDyad*>(&T);
  if (!D) return "leer";
  const TTerm& L = *D->Left();
  const TTerm& R = *D->Right();
  if (T.IsA<TEquation>()) return Spoken(L) + " gleich " + Spoken(R);
  if (T.IsA<TPower>()) {
    const bool BaseGrouped = L.IsA<TDyad>() || IsNegative(L);
    const bool ExponentGrouped = R.IsA<TDyad>() || IsNegative(R);
    return Grouped(L, BaseGrouped) + " hoch " + Grouped(R, ExponentGrouped);
  }
  if (T.IsA<TDiv>()) {
    // Read from left to right: a product or power on the left needs no
    // brackets ("2 mal a durch b"), a product on the right does.
    const bool LeftGrouped = L.IsA<TSum>() || L.IsA<TDiv>() || IsNegative(L);
    const bool RightGrouped = R.IsA<TSum>() || R.IsA<TMul>() || IsNegative(R);
    const char* Op = T.IsA<TFrac>() ? " durch " : " geteilt durch ";
    return Grouped(L, LeftGrouped) + Op + Grouped(R, RightGrouped);
  }
  if (T.IsA<TMul>()) {
    const bool LeftGrouped = L.IsA<TSum>() || IsNegative(L);
    const bool RightGrouped = R.IsA<TSum>() || IsNegative(R);
    return Grouped(L, LeftGrouped) + " mal " + Grouped(R, RightGrouped);
  }
  if (T.IsA<TSum>()) {
    const bool RightGrouped = (T.IsA<TDif>() && R.IsA<TSum>()) || IsNegative(R);
    const char* Op = T.IsA<TDif>() ? " minus " : " plus ";
    return Spoken(L) + Op + Grouped(R, RightGrouped);
  }
  return Spoken(L) + " " + Spoken(R);
}
}  // namespace

std::string SpokenTerm(const TTerm& Term) { return Spoken(Term); }

#include "pages/binomische/BIAMinusB.h"

#include "pages/CheckGroups.h"

namespace {
// The combos keep the items of "Plusformel"; the answers sit at fixed places.
constexpr int Product = 9;  // (a-b)·(a-b)
constexpr int Square = 10;  // (a-b)²
constexpr int Sum = 10;     // a² - 2ab + b²
}  // namespace

bool TfmBIAMinusB::AnswersRight() const {
  return (ComboIsAt(Combo(1), Product)() || ComboIsAt(Combo(1), Square)()) && ComboIsAt(Combo(2), Sum)();
}

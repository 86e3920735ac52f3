#include "pages/binomische/BIAPlusMinusB.h"

#include "pages/CheckGroups.h"

namespace {
// The combos keep the items of "Plusformel"; the answers sit at fixed places.
constexpr int Product = 13;    // (a+b)·(a-b)
constexpr int Difference = 8;  // a² - b²
}  // namespace

bool TfmBIAPlusMinusB::AnswersRight() const {
  return ComboIsAt(Combo(1), Product)() && ComboIsAt(Combo(2), Difference)();
}

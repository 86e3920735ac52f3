#include "pages/faktorisieren/FAU2.h"

std::unique_ptr<TTaskGame> TfmFAU2::NewGame() const {
  return std::make_unique<TBinomialFactorGame>(TFactorSums::WithNumber);
}

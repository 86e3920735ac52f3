#include "pages/faktorisieren/FAU1.h"

std::unique_ptr<TTaskGame> TfmFAU1::NewGame() const { return std::make_unique<TBinomialFactorGame>(TFactorSums::Plain); }

#include "pages/faktorisieren/FAU0.h"

std::unique_ptr<TTaskGame> TfmFAU0::NewGame() const { return std::make_unique<TCommonFactorGame>(); }

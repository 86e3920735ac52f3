#include "pages/binomische/BIU0.h"

// "Einfache binomische Formeln": it starts with (x+3)^2 and gets harder.
std::unique_ptr<TTaskGame> TfmBIU0::NewGame() const { return std::make_unique<TBinomialGame>(TBinomialLevel::Growing); }

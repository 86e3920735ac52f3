#include "pages/binomische/BIU1.h"

// "Schon ein wenig schwerer": the full ranges from the first task on.
std::unique_ptr<TTaskGame> TfmBIU1::NewGame() const { return std::make_unique<TBinomialGame>(TBinomialLevel::Full); }

#include "pages/binomische/BIU1.h"

std::unique_ptr<TTaskGame> TfmBIU1::NewGame() const { return std::make_unique<TBinomialGame>(); }

#include "pages/binomische/BIU0.h"

std::unique_ptr<TTaskGame> TfmBIU0::NewGame() const { return std::make_unique<TBinomialGame>(); }

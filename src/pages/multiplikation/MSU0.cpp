#include "pages/multiplikation/MSU0.h"

std::unique_ptr<TTaskGame> TfmMSU0::NewGame() const { return std::make_unique<TMultiplicationGame>(); }

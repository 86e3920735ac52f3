#pragma once
// The binomial factoring game with a common number in front of the
// binomial formula (2x²+12x+18 = 2·(x+3)²), or "?" when there is none.
#include "pages/binomische/GameFrame.h"
#include "pages/faktorisieren/FactoringGame.h"

class TfmFAU2 : public TfmGameFrame {
  Q_OBJECT
 public:
  using TfmGameFrame::TfmGameFrame;
  TBinomialFactorGame& Game() const { return static_cast<TBinomialFactorGame&>(TfmGameFrame::Game()); }

 protected:
  std::unique_ptr<TTaskGame> NewGame() const override;
  bool NeedsTypedAnswer() const override { return true; }
};

#pragma once
// The binomial factoring game: the pupil factors ten sums by a binomial
// formula or answers "?" when there is none.
#include "pages/binomische/GameFrame.h"
#include "pages/faktorisieren/FactoringGame.h"

class TfmFAU1 : public TfmGameFrame {
  Q_OBJECT
 public:
  using TfmGameFrame::TfmGameFrame;
  TBinomialFactorGame& Game() const { return static_cast<TBinomialFactorGame&>(TfmGameFrame::Game()); }

 protected:
  std::unique_ptr<TTaskGame> NewGame() const override;
  bool NeedsTypedAnswer() const override { return true; }
};

#pragma once
// The first factoring game: the pupil takes the greatest common factor out
// of ten sums.
#include "pages/binomische/GameFrame.h"
#include "pages/faktorisieren/FactoringGame.h"

class TfmFAU0 : public TfmGameFrame {
  Q_OBJECT
 public:
  using TfmGameFrame::TfmGameFrame;
  TCommonFactorGame& Game() const { return static_cast<TCommonFactorGame&>(TfmGameFrame::Game()); }

 protected:
  std::unique_ptr<TTaskGame> NewGame() const override;
};

#pragma once
// The first binomial formula game: the pupil expands ten products of
// binomials, from (x+3)^2 on to harder ones.
#include "pages/binomische/BinomialGame.h"
#include "pages/binomische/GameFrame.h"

class TfmBIU0 : public TfmGameFrame {
  Q_OBJECT
 public:
  using TfmGameFrame::TfmGameFrame;
  TBinomialGame& Game() const { return static_cast<TBinomialGame&>(TfmGameFrame::Game()); }

 protected:
  std::unique_ptr<TTaskGame> NewGame() const override;
};

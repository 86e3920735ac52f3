#pragma once
// The game of the chapter: ten products of two sums to multiply out and
// collect, from (x+3)*(x+2) on to two letters and negative numbers.
#include "pages/binomische/GameFrame.h"
#include "pages/multiplikation/MultiplicationGame.h"

class TfmMSU0 : public TfmGameFrame {
  Q_OBJECT
 public:
  using TfmGameFrame::TfmGameFrame;
  TMultiplicationGame& Game() const { return static_cast<TMultiplicationGame&>(TfmGameFrame::Game()); }

 protected:
  std::unique_ptr<TTaskGame> NewGame() const override;
};

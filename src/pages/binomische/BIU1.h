#pragma once
// The second binomial formula game: the game of the first page at its full
// ranges from the first task on, with its own introduction and colour.
#include "pages/binomische/BinomialGame.h"
#include "pages/binomische/GameFrame.h"

class TfmBIU1 : public TfmGameFrame {
  Q_OBJECT
 public:
  using TfmGameFrame::TfmGameFrame;
  TBinomialGame& Game() const { return static_cast<TBinomialGame&>(TfmGameFrame::Game()); }

 protected:
  std::unique_ptr<TTaskGame> NewGame() const override;
};

#pragma once
// Page "Plusminusformel": the square of side a grown by b one way and
// shrunk by b the other, (a+b)·(a-b) = a² - b². The design is the one of
// "Plusformel".
#include "pages/binomische/BIAPlusB.h"

class TfmBIAPlusMinusB : public TfmBIAPlusB {
  Q_OBJECT
 public:
  using TfmBIAPlusB::TfmBIAPlusB;

 protected:
  bool AnswersRight() const override;
};

#pragma once
// Page "Minusformel": the square of side a shrunk by b on both sides,
// (a-b)² = a² - 2ab + b². The design is the one of "Plusformel".
#include "pages/binomische/BIAPlusB.h"

class TfmBIAMinusB : public TfmBIAPlusB {
  Q_OBJECT
 public:
  using TfmBIAPlusB::TfmBIAPlusB;

 protected:
  bool AnswersRight() const override;
};

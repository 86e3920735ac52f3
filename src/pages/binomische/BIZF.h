#pragma once
// Summary page of the binomial chapter: the three formulas in multiplied
// and squared form, and today's date.
#include "pages/SummaryPage.h"

class TfmBIZF : public TSummaryPage {
  Q_OBJECT
 public:
  using TSummaryPage::TSummaryPage;
};

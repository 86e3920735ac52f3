#pragma once
// Summary page of the equivalence chapter: the definition, the
// counterexample, the laws, collecting like terms and brackets, and today's
// date.
#include "pages/SummaryPage.h"

class TfmAEZF : public TSummaryPage {
  Q_OBJECT
 public:
  using TSummaryPage::TSummaryPage;
};

#pragma once
// Page "Zusammenfassung": the four ways of setting up a term, each with an
// example and its term.
#include "pages/SummaryPage.h"

class TfmAUZF : public TSummaryPage {
  Q_OBJECT
 public:
  explicit TfmAUZF(QWidget* Parent = nullptr);
};

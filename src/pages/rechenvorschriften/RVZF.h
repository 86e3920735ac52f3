#pragma once
// Page "Zusammenfassung 1": two calculation rules as examples and what a calculation rule is.
#include "pages/SummaryPage.h"

class TfmRVZF : public TSummaryPage {
  Q_OBJECT
 public:
  explicit TfmRVZF(QWidget* Parent = nullptr) : TSummaryPage(Parent) {}
};

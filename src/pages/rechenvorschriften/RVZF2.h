#pragma once
// Page "Zusammenfassung 2": from numbers to letters; what variables and terms are.
#include "pages/SummaryPage.h"

class TfmRVZF2 : public TSummaryPage {
  Q_OBJECT
 public:
  explicit TfmRVZF2(QWidget* Parent = nullptr) : TSummaryPage(Parent) {}
};

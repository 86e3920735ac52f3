#pragma once
// Page "Zusammenfassung" of the factorising chapter: what factorising means,
// the two ways of doing it with one example each, and today's date.
#include "pages/SummaryPage.h"

class TfmFAZF : public TSummaryPage {
  Q_OBJECT
 public:
  explicit TfmFAZF(QWidget* Parent = nullptr) : TSummaryPage(Parent) {}
};

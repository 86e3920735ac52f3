#pragma once
// Page "Zusammenfassung": number times sum, sum times sum, the signs,
// collecting, and the three products of equal factors.
#include "pages/SummaryPage.h"

class TfmMSZF : public TSummaryPage {
  Q_OBJECT
 public:
  explicit TfmMSZF(QWidget* Parent = nullptr);
};

#include "pages/aufstellen/AUZF.h"

TfmAUZF::TfmAUZF(QWidget* Parent) : TSummaryPage(Parent) {}

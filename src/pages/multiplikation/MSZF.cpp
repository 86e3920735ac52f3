#include "pages/multiplikation/MSZF.h"

TfmMSZF::TfmMSZF(QWidget* Parent) : TSummaryPage(Parent) {}

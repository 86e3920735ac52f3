#pragma once
// Page "Übersicht": the three binomial formulas side by side. The first
// press of the check button shows how each follows from multiplying out the
// brackets; later presses do nothing.
#include "pages/ExercisePage.h"

class TfmBIAlle : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmBIAlle(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

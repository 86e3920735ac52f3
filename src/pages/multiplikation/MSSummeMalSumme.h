#pragma once
// Page "Summe mal Summe": a rectangle a + b high and c + d wide, cut into
// four parts and drawn to scale. The pupil writes the four areas and the
// whole area as a sum of four products; then the rule "every term times
// every term" appears, drawn as arcs, with two products to multiply out.
#include "pages/ExercisePage.h"

class TfmMSSummeMalSumme : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmMSSummeMalSumme(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

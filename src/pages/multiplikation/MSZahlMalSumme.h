#pragma once
// Page "Zahl mal Summe": a rectangle 3 high and x + 4 wide, cut into two
// parts and drawn to scale. The pupil writes the areas of the parts and of
// the whole without brackets; then the distributive law appears with three
// products to multiply out.
#include "pages/ExercisePage.h"

class TfmMSZahlMalSumme : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmMSZahlMalSumme(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

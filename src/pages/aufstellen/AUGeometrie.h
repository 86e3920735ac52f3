#pragma once
// Page "Geometrie": a symmetric figure with six coloured parts; the pupil
// writes a term for the area of each. Any equivalent term counts (c*e for
// e*c, c^2/2 for c*c/2).
#include "pages/ExercisePage.h"

class TfmAUGeometrie : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAUGeometrie(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton2Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

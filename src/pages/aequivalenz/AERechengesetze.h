#pragma once
// Page "Rechengesetze": the commutative, associative and distributive laws,
// each with a picture, and five equations whose law the pupil names.
#include "pages/ExercisePage.h"

class TfmAERechengesetze : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAERechengesetze(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

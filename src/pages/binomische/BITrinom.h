#pragma once
// Page "(a+b)³": the pupil reads a formula for (a+b)³ off the cube cut into
// eight blocks and writes it as a sum. A product such as (a+b)·(a+b)·(a+b)
// is equivalent but no answer. The check may be pressed any number of
// times.
#include "pages/ExercisePage.h"

class TfmBITrinom : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmBITrinom(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

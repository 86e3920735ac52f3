#pragma once
// Page "Der Term": three tables compute one rule each for sample numbers;
// the pupil picks the form of the rule that fits the row of letters. After
// that, two more presses of the button explain variables and terms.
#include "pages/ExercisePage.h"

class TfmRVTerm : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmRVTerm(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

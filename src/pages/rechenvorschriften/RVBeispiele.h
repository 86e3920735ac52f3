#pragma once
// Page "Beispiele": one calculation rule in seven forms (program line,
// dialect, machine language, formula, calculator keys, words, symbols).
// The pupil first says what the rule computes, then matches each form to
// the place where it would be used.
#include "pages/ExercisePage.h"

class TfmRVBeispiele : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmRVBeispiele(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

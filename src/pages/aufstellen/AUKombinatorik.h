#pragma once
// Page "Kombinatorik": two counting problems. For the combination lock
// and for the football league the pupil first counts small cases in number
// fields and then writes the general term. Each press of the check button
// tests only the question shown last; the first press of each problem
// only shows its first questions.
#include "pages/ExercisePage.h"

class TfmAUKombinatorik : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAUKombinatorik(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

#pragma once
// Page "Einsetzen": three terms worked out for x = 0, 1, 2 and 3 in a
// table; then the pupil names the two terms whose values always agree.
#include "pages/ExercisePage.h"

class TfmAEEinsetzen : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAEEinsetzen(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

#pragma once
// Page "Gegenbeispiel": three pairs of terms that are not equivalent, shown
// one after the other. For each the pupil sets numbers (0 ... 20) for which
// the two terms differ; a right choice shows both values and the next pair.
#include "pages/ExercisePage.h"

class TfmAEGegenbeispiel : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAEGegenbeispiel(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

#pragma once
// Page "Bremsweg": the pupil works a rule of thumb for the braking distance
// through for seven speeds.
#include "pages/ExercisePage.h"

class TfmRVBrems : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmRVBrems(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

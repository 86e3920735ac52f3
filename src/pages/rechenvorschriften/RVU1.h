#pragma once
// Page "Übung 1": eight calculation rules, each to be given its name.
#include "pages/ExercisePage.h"

class TfmRVU1 : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmRVU1(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

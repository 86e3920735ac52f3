#pragma once
// Page "Definition": what makes two terms equivalent, and four pairs of
// terms to judge.
#include "pages/ExercisePage.h"

class TfmAEDefinition : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAEDefinition(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

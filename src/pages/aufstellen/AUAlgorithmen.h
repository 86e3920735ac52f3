#pragma once
// Page "Algorithmen": five calculation procedures drawn as flow charts; the
// pupil writes each one as a term. The term must follow the procedure step
// by step, so an equivalent term written in another order (b+a for a+b) is
// not accepted here.
#include "pages/ExercisePage.h"

class TfmAUAlgorithmen : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAUAlgorithmen(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

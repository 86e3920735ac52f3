#pragma once
// Page "Klammern": brackets after a plus and after a minus, with the
// typical mistake; the pupil writes four terms without brackets.
#include "pages/ExercisePage.h"

class TfmAEKlammern : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAEKlammern(QWidget* Parent = nullptr);

 public slots:
  void MMTerm1Click(QObject* Sender);
  void PCVGlassButton1Click(QObject* Sender);
};

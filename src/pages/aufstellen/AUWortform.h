#pragma once
// Page "Wortform": seven descriptions in words, each to be written as a
// term. The descriptions appear one after the other; the stage names the
// one under test. The term must say exactly what the words say, in their
// order (only the first description also takes y+x for x+y).
#include "pages/ExercisePage.h"

class TfmAUWortform : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAUWortform(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

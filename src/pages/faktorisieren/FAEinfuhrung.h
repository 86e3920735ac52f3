#pragma once
// Page "Einführung" of the factorising chapter: three firms tar one road of
// width b in pieces of lengths x, y and z. The pupil picks the three piece
// areas; then the page shows that the whole road is the one rectangle
// b·(x + y + z) and asks which law reads the equation backwards.
#include "pages/ExercisePage.h"

class TfmFAEinfuhrung : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmFAEinfuhrung(QWidget* Parent = nullptr);

 public slots:
  // Stage 0: the three piece areas; from then on only the law.
  void PCVGlassButton1Click(QObject* Sender);
};

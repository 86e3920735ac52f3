#pragma once
// Page "Pascal-Dreieck 2": the pupil multiplies out (a+b)³, (a+b)⁴ and
// (a+b)⁵ below the two given lines for (a+b)¹ and (a+b)², each written as
// a sum, and may find the numbers of Pascal's triangle in the results. Once
// all three are right the page checks no more.
#include "pages/ExercisePage.h"

class TfmBIPascal2 : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmBIPascal2(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

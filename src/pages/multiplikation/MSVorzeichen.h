#pragma once
// Page "Vorzeichen": the sign rule with a worked example, and four products
// of sums with minus signs to multiply out and collect.
#include "pages/ExercisePage.h"

class TfmMSVorzeichen : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmMSVorzeichen(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
};

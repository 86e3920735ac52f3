#pragma once
// Page "Geometrie": a figure cut into five parts, and seven area terms
// shown one after another. For each term the pupil colours the parts
// (a click turns a white part blue and a blue one white) whose areas
// together the term gives. A right marking brings the next term and
// turns every part white again.
#include "pages/ExercisePage.h"

class TfmINEinfuhrung : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmINEinfuhrung(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  // Shared by the five parts.
  void XPolygon2Click(QObject* Sender);
};

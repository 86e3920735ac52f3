#pragma once
// Page "Einführung": the pupil fills a table with the sides and areas of
// five right triangles, then finds the sentence that describes every one of
// these calculations, and learns that such a sentence is a calculation rule.
#include "pages/ExercisePage.h"

class TfmRVDefinition : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmRVDefinition(QWidget* Parent = nullptr);

 protected:
  void DoCreate() override;

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

#pragma once
// Pages "Plusformel", "Minusformel" and "Plusminusformel": a square of side
// a is grown, shrunk, or grown one way and shrunk the other by b. The pupil
// picks the new area twice: as a product of the side lengths and as the sum
// of the parts in the picture. The check may be pressed any number of
// times. The two later pages share this design (their own designs start
// with "inherited") and bring only their texts, their picture and their
// check.
#include "pages/ExercisePage.h"

class TfmBIAPlusB : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmBIAPlusB(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);

 protected:
  // Both combos hold a right answer.
  virtual bool AnswersRight() const;
};

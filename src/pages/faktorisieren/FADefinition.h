#pragma once
// Page "Definition" of the factorising chapter: factorising turns a sum into
// an equivalent product. Six given pairs of equivalent terms; the pupil
// picks for each pair the arrow that points the factorising way, from the
// sum to the product. Once all are right the page sorts the pairs into
// taking out a common factor and binomial formulas read backwards.
#include "pages/ExercisePage.h"

class TMMTerm;

class TfmFADefinition : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmFADefinition(QWidget* Parent = nullptr);

  // The given terms: pair K (1 ... 6) shows MMTerm(2K - 1) on the left
  // and MMTerm(2K) on the right.
  TMMTerm* MMTerm(int N) const;

 public slots:
  // Stage 0: the six arrows; afterwards the button has nothing to do.
  void PCVGlassButton1Click(QObject* Sender);
};

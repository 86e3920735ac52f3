#pragma once
// Page "Gliederung" of the factorising chapter: the structure trees of
// bx + by + bz (left) and of b·(x + y + z) (right). The pupil names the
// operation in every inner node and the variable in every leaf. The answer
// list runs through the left tree (root, the three products, their leaves
// pair by pair) and then the right one (root, its leaf b, the inner sum and
// its three leaves).
#include "pages/ExercisePage.h"

class TfmFAGliederung : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmFAGliederung(QWidget* Parent = nullptr);

 public slots:
  // Stage 0: the left tree, then the right one; stage 1: the left tree's
  // third product once more.
  void PCVGlassButton1Click(QObject* Sender);
};

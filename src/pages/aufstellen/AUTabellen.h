#pragma once
// Page "Tabellen": seven value tables of x and T(x); the pupil finds the
// term T(x) behind each. The tables appear one after the other; the stage
// names the one under test.
#include "pages/ExercisePage.h"

class TCheck;

class TfmAUTabellen : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAUTabellen(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);

 private:
  // The check of table Index (0 ... 6).
  TCheck TableCheck(int Index) const;
};

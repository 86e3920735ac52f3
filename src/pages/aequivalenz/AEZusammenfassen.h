#pragma once
// Page "Zusammenfassen": like terms collected, shown as tiles; the pupil
// writes five terms as short as possible.
#include "pages/ExercisePage.h"

class TfmAEZusammenfassen : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmAEZusammenfassen(QWidget* Parent = nullptr);

 public slots:
  void MMTerm1Click(QObject* Sender);
  void PCVGlassButton1Click(QObject* Sender);
};

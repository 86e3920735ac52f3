#pragma once
// Page "Fehlersuche": four products multiplied out as pupils wrote them.
// For each the pupil names the mistake (a product missing, a sign, wrong
// collecting, or none); once all are right, each wrong step is shown
// corrected.
#include "pages/ExercisePage.h"

class TfmMSFehlersuche : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmMSFehlersuche(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
};

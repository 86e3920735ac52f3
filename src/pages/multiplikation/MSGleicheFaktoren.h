#pragma once
// Page "Gleiche Faktoren": (a + b)·(a + b), (a − b)·(a − b) and
// (a + b)·(a − b) multiplied out, with a·b + b·a = 2·a·b; once they are
// right, a link leads on to the binomial formulas.
#include <QString>

#include "pages/ExercisePage.h"

class TfmMSGleicheFaktoren : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmMSGleicheFaktoren(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void MMTerm1Click(QObject* Sender);
  void MiniHTMLLinkHyperjump(QObject* Sender, const QString& URL);
};

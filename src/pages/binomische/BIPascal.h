#pragma once
// Page "Pascal-Dreieck 1": a Galton board. The first press starts the balls
// (one step every 55 ms, until the page is left) and shows the button
// "Schneller", which lets ten balls fall per tick instead (and "Langsamer"
// goes back); the second press shows the diagram of path counts, while the
// balls keep rolling; the third checks the seven numbers the pupil adds to
// the diagram. Messages are modal but do not stop the board: the timer
// keeps firing under them.
#include "pages/ExercisePage.h"
#include "pages/binomische/GaltonBoard.h"

class TfmBIPascal : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmBIPascal(QWidget* Parent = nullptr);

  const TGaltonBoard& Board() const { return FBoard; }

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  void PCVGlassButton2Click(QObject* Sender);
  void Timer1Timer(QObject* Sender);

 private:
  // Balls per tick at the fast pace.
  static constexpr int FastBalls = 10;
  TGaltonBoard FBoard;
  bool FFast = false;
};

#pragma once
// Page "Bewegungen": four bodies move along four number lines, one step a
// second for 18 seconds, each leaving a yellow trail behind its red square.
// The pupil picks the term that gives each body's position after t seconds.
// The animation runs once per visit; the check does not restart it, the
// button "Noch einmal" does (from t = 0).
#include "pages/ExercisePage.h"

class TfmINBewegung : public TExercisePage {
  Q_OBJECT
  // Seconds the animation has run (0 .. 18).
  Q_PROPERTY(int Seconds READ Seconds STORED false)
 public:
  explicit TfmINBewegung(QWidget* Parent = nullptr);

  int Seconds() const { return FSeconds; }

 public slots:
  void FormCreate(QObject* Sender);
  void PCVGlassButton1Click(QObject* Sender);
  void PCVGlassButton2Click(QObject* Sender);
  void Timer1Timer(QObject* Sender);
  void PaintBox1Paint(QObject* Sender);

 private:
  // The clock below the number lines.
  void ShowTime() const;

  int FSeconds = 0;
  // Pixels from one tick of the number lines to the next.
  int FScale = 4;
};

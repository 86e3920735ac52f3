#pragma once
// Page "Farben": a screen colour is the number r + 256 g + 65536 b. The
// pupil writes the number of each of nine coloured fields; a trial station
// colours its own field with any number typed there.
#include <optional>

#include "pages/ExercisePage.h"

class TfmINfarben : public TExercisePage {
  Q_OBJECT
 public:
  explicit TfmINfarben(QWidget* Parent = nullptr);

 public slots:
  void PCVGlassButton1Click(QObject* Sender);
  // The trial station's button: its field's number becomes its colour.
  void MMButton1Click(QObject* Sender);
};

// The number in a field's text: every blank removed, then read as a whole
// number of at most nine digits; nothing for anything else (an empty field too).
std::optional<int> ColourNumber(const QString& Text);

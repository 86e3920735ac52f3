#pragma once
// A text in a picture that names a term ("(a−b)²", "b·(a−b)"), set the way
// the term boxes set their terms: the term box face at the picture text's
// size, weight and colour, variables in italics, the minus sign "−", raised
// exponents. Words may follow the term after a blank ("a·b (fällt weg)");
// they stand upright in the same face. A term alone in a room too narrow
// for it, but tall enough, is turned to read upwards, as the label of a
// narrow strip in a textbook drawing.
#include <QString>
#include <memory>

#include "common/CoreCanvas.h"
#include "terms/Terms.h"

class TCanvas;

class TTermLabel {
 public:
  // Text: a term without blanks, then optionally a blank and words.
  explicit TTermLabel(const QString& Text);
  ~TTermLabel();
  TTermLabel(const TTermLabel&) = delete;
  TTermLabel& operator=(const TTermLabel&) = delete;

  // False when the text does not start with a term; then nothing is drawn.
  bool IsTerm() const { return FTerm != nullptr; }
  // Chooses the face from Font (shrunk while the label is larger than Room,
  // not below the term box's smallest size) and the direction in which it
  // is larger, and gives the label's size as it stands in the room.
  TSize Layout(TCanvas& Canvas, const TFontSpec& Font, TSize Room);
  // Draws the label laid out last with its top left corner at X, Y; the
  // term's ink is centred across its line.
  void Draw(TCanvas& Canvas, int X, int Y);

 private:
  std::unique_ptr<TTerm> FTerm;
  QString FWords;
  TFontSpec FFont;
  TSize FTermSize;
  TSize FWordsSize;
  int FGap = 0;
  bool FTurned = false;
};

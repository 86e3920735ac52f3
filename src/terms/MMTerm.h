#pragma once
// TMMTerm: the term box of the pages. It keeps its term as typed text in
// Caption and shows it in mathematical layout (fractions, raised exponents,
// drawn brackets) on a button face; pages make it the pupil's answer box.
// A term too large for the box is drawn in a smaller font, so the pupil
// always sees all of it: the font steps down from the design's size until
// the term fits, to no less than MinFontHeight pixels.
#include <memory>

#include "scene/MMButton.h"
#include "terms/Terms.h"

class TMMTerm : public TMMButton {
  Q_OBJECT

 public:
  explicit TMMTerm(QWidget* Parent = nullptr);

  // A new tree read from Caption; the caller owns it. A caption that is no
  // term gives the text term "?".
  std::unique_ptr<TTerm> GetTerm() const;

  // Caption set to the term the pupil typed as Typed ("2(a+b)" shown as
  // "2 * (a + b)").
  void SetTypedTerm(const QString& Typed, const QString& Caption);
  // The box's term as the pupil would edit it: as typed, while the caption
  // is still that term; else the caption without blanks; empty for "?".
  QString EditText() const;

  // The smallest character height, in pixels, that a term is shrunk to.
  static constexpr int MinFontHeight = 9;
  // The room a term has inside the box's frame, drawn from (4, 4).
  TSize TermRoom() const;
  // The font the box draws its caption in: its Font, or a smaller one when
  // the term does not fit at that size. Fits tells whether it fits at all.
  TFontSpec CaptionFont(bool* Fits = nullptr) const;

 protected:
  void DrawState(TCanvas& Canvas, int AState) override;
  // Tells screen readers that the term has changed.
  void CaptionChanged() override;

 private:
  QString FTyped;         // what the pupil typed last
  QString FTypedCaption;  // the caption that typing gave
};

// Draws Term with its top left corner at X, Y in Canvas's font, with a thin
// solid pen for bars and brackets; "?" when the drawing fails.
void DrawTermAt(TCanvas& Canvas, const TTerm& Term, int X, int Y);

// The top at which Term, in Canvas's font, has as much room above its ink as
// below it in a box Height pixels high; never above MinTop. The ink counts,
// not the text cells, whose room for accents and descenders would push a
// term like "a + b" off the middle.
int CentredTermTop(TCanvas& Canvas, const TTerm& Term, int Height, int MinTop);

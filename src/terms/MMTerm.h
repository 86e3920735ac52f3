#pragma once
// TMMTerm: the term box of the pages. It keeps its term as typed text in
// Caption and shows it in mathematical layout (fractions, raised exponents,
// drawn brackets) on a button face; pages make it the pupil's answer box.
#include <memory>

#include "scene/mm_button.h"
#include "terms/Terms.h"

class TMMTerm : public TMMButton {
  Q_OBJECT

 public:
  explicit TMMTerm(QWidget* Parent = nullptr);

  // A new tree read from Caption; the caller owns it. A caption that is no
  // term gives the text term "?".
  std::unique_ptr<TTerm> GetTerm() const;

 protected:
  void DrawState(TCanvas& Canvas, int AState) override;
};

// Draws Term with its top left corner at X, Y in Canvas's font, with a thin
// solid pen for bars and brackets; "?" when the drawing fails.
void DrawTermAt(TCanvas& Canvas, const TTerm& Term, int X, int Y);

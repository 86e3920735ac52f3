#pragma once
// A term box for screen readers. A box the pupil fills in is a button
// named by the text beside it (else "Termfeld N") whose value is its term
// read out in German ("Klammer auf a plus b Klammer zu hoch 2", "leer");
// a box that only shows a term is a text that reads the term.
#include "scene/SceneAccessibles.h"

class TMMTerm;

class TMMTermAccessible : public TMMButtonAccessible {
 public:
  explicit TMMTermAccessible(TMMTerm* Box);
  QAccessible::Role role() const override;
  QString Name() const override;
  QString Description() const override;
  QString Value() const override;

 private:
  bool TakesInput() const;
};

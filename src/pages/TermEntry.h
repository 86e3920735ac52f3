#pragma once
// Term entry on the pages: a click on an answer box lets the pupil type a
// new term in the term input window. The page checks nothing at this
// moment; its check button does.
//
//   void TfmAUWortform::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }
#include <QObject>

#include "terms/MMTerm.h"
#include "terms/TermInput.h"

enum class TTermEntry {
  Normalised,  // the box gets the text form of the term: "2*(a+b)" -> "2 * (a + b)"
  AsTyped,     // the box gets the field's text exactly as typed
};

// Shows the term input window modally beside Box. On OK sets Box's Caption
// to the entered term and returns true; Cancel leaves the box as it was and
// returns false, as does a null box (without showing anything).
bool EnterTerm(TMMTerm* Box, TTermEntry Entry = TTermEntry::Normalised);
// The same for a click handler's Sender; false when it is no term box.
bool EnterTerm(QObject* Sender, TTermEntry Entry = TTermEntry::Normalised);

#include "pages/TermEntry.h"

bool EnterTerm(TMMTerm* Box, TTermEntry Entry) {
  if (!Box) return false;
  const TTermInput Typed = AskForTerm(Box, Box->EditText());
  if (!Typed) return false;
  Box->SetTypedTerm(*Typed, Entry == TTermEntry::AsTyped ? *Typed : TermTextOf(*Typed));
  return true;
}

bool EnterTerm(QObject* Sender, TTermEntry Entry) { return EnterTerm(qobject_cast<TMMTerm*>(Sender), Entry); }

#include "pages/binomische/BIAlle.h"

TfmBIAlle::TfmBIAlle(QWidget* Parent)
    : TExercisePage(Parent, {},
                    {{QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3"),
                      QStringLiteral("Label4")}}) {}

// Nothing to check: the press reveals the proofs, once.
void TfmBIAlle::PCVGlassButton1Click(QObject*) {
  if (Stage() < RevealCount()) Advance();
}

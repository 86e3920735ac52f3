#include "pages/interpretieren/InterpretierenPages.h"

#include "pages/interpretieren/INBewegung.h"
#include "pages/interpretieren/INEinfuhrung.h"
#include "pages/interpretieren/INfarben.h"
#include "platform/ComponentRegistry.h"

void RegisterInterpretierenPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmINEinfuhrung>();
  R.RegisterForm<TfmINBewegung>();
  R.RegisterForm<TfmINfarben>();
}
